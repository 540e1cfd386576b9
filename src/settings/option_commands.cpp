#include "settings/option_commands.h"

#include "game/palette.h"
#include "game/pieces.h"
#include "settings/settings_file.h"

namespace yukora {
namespace {

bool& 背景の印(オプション印& 印, int n) {
    switch (n) {
        case 背景_緑: return 印.MIDORI;
        case 背景_畳: return 印.TATAMI;
        case 背景_竹: return 印.TAKE;
        case 背景_宇宙: return 印.UCHU;
        default: return 印.RENGA;
    }
}

void 背景画_Click(int n, 設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder) {
    if (!背景の印(st.印, n)) {
        チェック設定(st.印, n);
        背景画番号 = n;
    }
    書込_環境設定ファイル(folder, st);
    view.画面_再描画();
}

}  // namespace

void チェック設定(オプション印& 印, int n) {
    印.MIDORI = 印.TATAMI = 印.TAKE = 印.UCHU = 印.RENGA = false;
    if (n >= 背景_緑 && n <= 背景_煉瓦) 背景の印(印, n) = true;
}

void MIDORI_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder) {
    背景画_Click(背景_緑, st, 背景画番号, view, folder);
}
void TATAMI_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder) {
    背景画_Click(背景_畳, st, 背景画番号, view, folder);
}
void TAKE_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder) {
    背景画_Click(背景_竹, st, 背景画番号, view, folder);
}
void UCHU_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder) {
    背景画_Click(背景_宇宙, st, 背景画番号, view, folder);
}
void RENGA_Click(設定状態& st, int& 背景画番号, 盤描画& view, const std::string& folder) {
    背景画_Click(背景_煉瓦, st, 背景画番号, view, folder);
}

void SIDOU_Click(設定状態& st, 盤描画& view, const std::string& folder) {
    if (st.印.SIDOU) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) view.描画_桝輪郭(色_黒, x, y);
        for (int k = 1; k <= 7; ++k) {
            view.描画_桝輪郭(色_黒, 敵持駒列, 敵持駒の行(k));
            view.描画_桝輪郭(色_黒, 自持駒列, 自持駒の行(k));
        }
        st.印.SIDOU = false;
        st.移動指導フラグ = 0;
        st.指導色 = 色_黒;
    } else {
        st.印.SIDOU = true;
        st.移動指導フラグ = 1;
        st.指導色 = 色_白;
    }
    書込_環境設定ファイル(folder, st);
}

void BGM_Click(設定状態& st, BGM演奏& music, const std::string& folder) {
    if (st.印.BGM) {
        st.印.BGM = false;
        music.停止();
    } else {
        st.印.BGM = true;
        music.ループ再生();
    }
    書込_環境設定ファイル(folder, st);
}

void SEIRYOKU_Click(設定状態& st, const std::string& folder) {
    st.印.SEIRYOKU = !st.印.SEIRYOKU;
    書込_環境設定ファイル(folder, st);
}

void KIFULIST_Click(設定状態& st, const std::string& folder) {
    st.印.KIFULIST = !st.印.KIFULIST;
    書込_環境設定ファイル(folder, st);
}

void 表示倍率_Click(設定状態& st, int 倍率, 表示倍率の窓& window, const std::string& folder) {
    st.印.表示倍率 = 倍率;
    書込_環境設定ファイル(folder, st);
    window.表示倍率設定(st.印.表示倍率);
}

}  // namespace yukora
