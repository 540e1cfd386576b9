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

}  // namespace

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
