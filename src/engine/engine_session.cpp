#include "engine/engine_session.h"

namespace yukora {

エンジン対話::エンジン対話(std::unique_ptr<エンジンプロセス> process, 経過時計& clock,
                           エンジン対話の受け手& owner)
    : process_(std::move(process)), clock_(clock), owner_(owner) {}

エンジン対話::~エンジン対話() { 終える(); }

void エンジン対話::起動(const std::string& path, const 選択肢の値& values, bool 対局) {
    if (段階_ != 段階::未起動) return;
    対局_ = 対局;
    値_ = values;
    段階_ = 段階::usi待ち;
    期限_ = clock_.ミリ秒() + usiokの期限;
    process_->起動(path, *this);
    if (段階_ == 段階::usi待ち) 書く(usi命令);
}

void エンジン対話::考える(const std::string& position, const std::string& go, ミリ秒 期限) {
    if (段階_ == 段階::停止待ち) {
        次のposition_ = position;
        次のgo_ = go;
        次の期限_ = 期限;
        return;
    }
    if (段階_ != 段階::待機) return;
    書く(position);
    書く(go);
    期限_ = 期限;
    段階_ = 段階::思考中;
}

void エンジン対話::止める() {
    if (段階_ == 段階::思考中) 書く(stop命令);
}

void エンジン対話::捨てる() {
    次のposition_.clear();
    次のgo_.clear();
    if (段階_ != 段階::思考中) return;
    書く(stop命令);
    期限_ = clock_.ミリ秒() + 指し手の猶予;
    段階_ = 段階::停止待ち;
}

void エンジン対話::対局終了(勝敗 r) {
    if (段階_ == 段階::終了 || 段階_ == 段階::未起動) return;
    if (段階_ == 段階::思考中 || 段階_ == 段階::停止待ち) 書く(stop命令);
    書く(gameover命令(r));
    終える();
}

void エンジン対話::終える() {
    if (段階_ == 段階::終了) return;
    const bool started = 段階_ != 段階::未起動;
    段階_ = 段階::終了;
    if (started) process_->終える();
}

void エンジン対話::時刻() {
    const bool waiting = 段階_ == 段階::usi待ち || 段階_ == 段階::ready待ち ||
                         段階_ == 段階::思考中 || 段階_ == 段階::停止待ち;
    if (!waiting || clock_.ミリ秒() <= 期限_) return;
    if (段階_ == 段階::usi待ち) 故障(故障の種類::usiokなし);
    else if (段階_ == 段階::ready待ち) 故障(故障の種類::readyokなし);
    else 故障(故障の種類::応答なし);
}

void エンジン対話::行が来た(std::string_view line, bool 長すぎる) {
    if (段階_ == 段階::終了) return;
    if (長すぎる) return 故障(故障の種類::長すぎる行);
    if (洪水か()) return 故障(故障の種類::行が多すぎる);
    if (文字でない行か(line)) return 故障(故障の種類::文字でない);
    出力を読む(エンジン行を読む(line));
}

bool エンジン対話::洪水か() {
    const ミリ秒 now = clock_.ミリ秒();
    if (行数_ == 0 || now - 数え始め_ >= 1000) {
        数え始め_ = now;
        行数_ = 0;
    }
    return ++行数_ > 一秒の行の上限;
}

void エンジン対話::出力を読む(const エンジン出力& out) {
    using 種 = 出力の種類;
    switch (段階_) {
        case 段階::usi待ち:
            if (out.種類 == 種::id名前) 名前_ = out.文字;
            else if (out.種類 == 種::id作者) 作者_ = out.文字;
            else if (out.種類 == 種::選択肢) 選択肢_.push_back(out.選択肢);
            else if (out.種類 == 種::usiok) {
                if (対局_) {
                    選択肢を送る();
                    書く(isready命令);
                    期限_ = clock_.ミリ秒() + readyokの期限;
                    段階_ = 段階::ready待ち;
                } else {
                    段階_ = 段階::待機;
                }
                owner_.識別できた(*this);
            }
            return;
        case 段階::ready待ち:
            if (out.種類 != 種::readyok) return;
            書く(usinewgame命令);
            段階_ = 段階::待機;
            owner_.準備できた(*this);
            return;
        case 段階::思考中:
            if (out.種類 == 種::info) owner_.読んだ(*this, out.情報);
            else if (out.種類 == 種::bestmove) 最善手が来た(out.最善);
            return;
        case 段階::停止待ち:
            if (out.種類 == 種::bestmove) 最善手が来た(out.最善);
            return;
        default: return;
    }
}

void エンジン対話::最善手が来た(const 最善手& b) {
    const bool dropped = 段階_ == 段階::停止待ち;
    段階_ = 段階::待機;
    if (!dropped) {
        owner_.指した(*this, b);
        return;
    }
    if (次のgo_.empty()) return;
    const std::string position = std::move(次のposition_), go = std::move(次のgo_);
    次のposition_.clear();
    次のgo_.clear();
    考える(position, go, 次の期限_);
}

void エンジン対話::選択肢を送る() {
    for (const auto& [name, value] : 値_)
        for (const エンジンの選択肢& o : 選択肢_)
            if (o.名前 == name && o.型 != 選択肢の型::button) 書く(setoption命令(name, value));
}

void エンジン対話::書く(std::string_view line) { process_->書く(line); }

void エンジン対話::終了した(int code, bool 異常) {
    if (段階_ == 段階::終了) return;
    故障(故障の種類::終了, 異常 ? "異常終了" : "終了コード " + std::to_string(code));
}

void エンジン対話::起動できなかった(const std::string& 理由) {
    if (段階_ == 段階::終了) return;
    故障(故障の種類::起動できない, 理由);
}

void エンジン対話::故障(故障の種類 kind, std::string detail) {
    終える();
    owner_.故障した(*this, {kind, std::move(detail)});
}

}  // namespace yukora
