#include "formats/csa_names.h"

#include "game/pieces.h"

namespace yukora {
namespace {

struct CSA名 {
    int code;
    std::string_view name;
};

constexpr CSA名 名前表[] = {
    {歩, "FU"}, {香, "KY"}, {桂, "KE"},   {銀, "GI"},   {金, "KI"},   {角, "KA"},   {飛, "HI"},
    {王, "OU"}, {と, "TO"}, {香成, "NY"}, {桂成, "NK"}, {銀成, "NG"}, {角成, "UM"}, {飛成, "RY"},
};

struct 見出しの対 {
    std::string_view kif, csa;
};

constexpr 見出しの対 見出し表[] = {
    {"棋戦", "EVENT"},        {"場所", "SITE"},           {"開始日時", "START_TIME"},
    {"終了日時", "END_TIME"}, {"持ち時間", "TIME_LIMIT"}, {"戦型", "OPENING"},
    {"備考", "NOTE"},
};

}  // namespace

std::string_view CSAの見出し名(std::string_view kif) {
    for (const 見出しの対& e : 見出し表)
        if (e.kif == kif) return e.csa;
    return {};
}

std::string_view KIFの見出し名(std::string_view csa) {
    for (const 見出しの対& e : 見出し表)
        if (e.csa == csa) return e.kif;
    return {};
}

std::string_view CSAの駒名(int code) {
    const int a = code < 0 ? -code : code;
    for (const CSA名& e : 名前表)
        if (e.code == a) return e.name;
    return {};
}

int CSA名の駒(std::string_view name) {
    for (const CSA名& e : 名前表)
        if (e.name == name) return e.code;
    return 0;
}

}  // namespace yukora
