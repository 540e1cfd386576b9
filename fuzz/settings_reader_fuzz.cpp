// Any bytes as a settings file: no more than the limit is read, exactly one background stays
// checked, the zoom is one of the menu's, the globals and the music follow the check marks
// (the music started at most once), and what the writer makes of the result reads back to the
// same marks.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings/settings_file.h"
#include "textfile/line_reader.h"
#include "textfile/sjis.h"

namespace {

void 必ず(bool ok) {
    if (!ok) __builtin_trap();
}

class 描かない final : public yukora::背景描画 {
public:
    void 描画_背景(int n) override { 必ず(n >= 2 && n <= 6); }
};

class 鳴らさない final : public yukora::BGM演奏 {
public:
    int 始めた = 0;
    void ループ再生() override { ++始めた; }
    void 停止() override {}
};

int 背景の印の数(const yukora::オプション印& m) {
    return m.MIDORI + m.TATAMI + m.TAKE + m.UCHU + m.RENGA;
}

bool 同じ印(const yukora::オプション印& a, const yukora::オプション印& b) {
    return a.MIDORI == b.MIDORI && a.TATAMI == b.TATAMI && a.TAKE == b.TAKE && a.UCHU == b.UCHU &&
           a.RENGA == b.RENGA && a.SIDOU == b.SIDOU && a.KEIKA == b.KEIKA && a.BGM == b.BGM &&
           a.表示倍率 == b.表示倍率;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace yukora;
    描かない bg;
    鳴らさない music;
    設定状態 st;
    int 背景画番号 = 0;
    文字列行入力 in(std::string_view(reinterpret_cast<const char*>(data), size));
    読込_環境設定(in, st, 背景画番号, bg, music);
    必ず(in.上限を超えた() == (size > 環境設定の上限));
    必ず(music.始めた == (st.印.BGM ? 1 : 0));
    必ず(背景の印の数(st.印) == 1);
    必ず(背景画番号 == 0 || (背景画番号 >= 2 && 背景画番号 <= 6));
    必ず(st.移動指導フラグ == (st.印.SIDOU ? 1 : 0));
    必ず(st.印.SIDOU ? st.指導色 == 15 : st.指導色 == 0 || st.指導色 == 2);
    必ず(st.印.表示倍率 == 表示倍率_合わせる ||
         std::find(表示倍率一覧.begin(), 表示倍率一覧.end(), st.印.表示倍率) != 表示倍率一覧.end());

    const auto bytes = SJIS行書式(環境設定の行(st.印));
    必ず(bytes.has_value());
    設定状態 again;
    int 番号 = 0;
    文字列行入力 in2(*bytes);
    読込_環境設定(in2, again, 番号, bg, music);
    必ず(同じ印(again.印, st.印));
    return 0;
}
