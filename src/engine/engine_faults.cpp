#include "engine/engine_faults.h"

namespace yukora {

std::string 故障の知らせ(const エンジン故障& f, std::string_view engine) {
    std::string s = "ｴﾝｼﾞﾝ「" + std::string(engine) + "」";
    switch (f.種類) {
        case 故障の種類::起動できない: s += "を起動できません"; break;
        case 故障の種類::usiokなし: s += "が10秒以内に usiok を返しません"; break;
        case 故障の種類::readyokなし: s += "が30秒以内に readyok を返しません"; break;
        case 故障の種類::終了: s += "が終了しました"; break;
        case 故障の種類::応答なし: s += "が持ち時間を10秒過ぎても指しません"; break;
        case 故障の種類::文字でない: s += "が文字でない行を出力しました"; break;
        case 故障の種類::長すぎる行: s += "が1MiBを超える行を出力しました"; break;
        case 故障の種類::行が多すぎる: s += "の出力が多すぎます"; break;
    }
    if (!f.詳細.empty()) s += "\n(" + f.詳細 + ")";
    return s;
}

}  // namespace yukora
