// The game controller: every menu command, mouse press, key and timer tick of the window.
#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "display/display.h"
#include "engine/engine_game.h"
#include "engine/engines_ini.h"
#include "engine/move_judge.h"
#include "engine/usi_view.h"
#include "flow/game_state.h"
#include "flow/ports.h"
#include "flow/window_events.h"
#include "formats/record_model.h"
#include "game/sounds.h"
#include "own_format/record_reader.h"
#include "own_format/record_writer.h"
#include "review/analysis_lines.h"
#include "review/analysis_notes.h"
#include "review/engine_scores.h"
#include "review/move_rows.h"
#include "review/score_graph.h"
#include "settings/settings_ports.h"

namespace yukora {

struct COM指し手;
class 最近のファイル;

// 対局モード of an engine game (0 two people, 1 the computer).
inline constexpr int 対局モード_エンジン = 2;

class ゲーム final : public 窓イベント,
                     private 再描画の付随,
                     private yukora::効果音,
                     private BGM演奏,
                     private エンジン対話の受け手 {
public:
    explicit ゲーム(ゲームの窓口 ports);
    ~ゲーム() override;
    ゲーム(const ゲーム&) = delete;
    ゲーム& operator=(const ゲーム&) = delete;

    ゲーム状態 状態;

    // The window's events.
    void メニュー選択(メニュー操作 item) override;
    void マウス押下(int button, int X, int Y) override;
    void キー押下(int code) override;
    void 手順選択(int 行) override;
    void コメント編集(const std::string& text) override;
    void 変化選択(int k) override;
    void 閉じる() override;
    void ファイルを開く(const std::string& path) override;
    void 最近のファイルを開く(int index) override;
    void セッション終了() override;

    // Program start, in its order, all but the sound; `folder` is the current folder at
    // start-up (sounds, help page), `settings` the settings file's folder when it is kept
    // elsewhere, `利用者データ` the user's data folder (the last game) when it is kept elsewhere
    // still.
    void Form_Load(const std::filesystem::path& folder, const std::filesystem::path& settings = {},
                   const std::filesystem::path& 利用者データ = {});
    // The rest of the start, once the window shows the position: the sound library opened
    // (with its warning), the four sounds read, the music started when its option is on.
    // Every event that may sound calls it first, so nothing sounds before it; once only, and
    // never after the end.
    void サウンド準備();
    bool サウンド準備済み() const { return サウンド準備済_; }
    void 終了処理();

    // Game menu.
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void CANCEL_Click();
    void OWARI_Click();
    void TAIKYOKU_Click();  // also "局面" and "ｵﾌﾟｼｮﾝ" opening
    void Form_MouseDown(int button, int shift, float x, float y);
    // The computer's whole turn: think, play, announce, hand the turn back. Nothing once the
    // game is over; with no move at all the computer resigns.
    void com_ban();

    // Moving through the move list.
    void REPLAY_Click();
    void AFTER_Click();
    // The position after `k` moves, as that many "戻" or "進" would leave it (one sound).
    void 手順へ移る(int k);

    // The move list beside the board on or off (kept in the settings file), and the graph of
    // the built-in estimate shown or hidden.
    void KIFULIST_Click();
    void KEISEI_Click();
    // 検討: the registered engine analyses the position shown until 検討 again or Esc; the
    // candidates it shows (MultiPV 1..3).
    void KENTOU_Click();
    void 検討の候補数_Click(int n);
    bool 検討中() const { return 検討_ != nullptr; }
    // 棋譜解析: the registered engine scores every position of the list at `秒` seconds each,
    // for the graph, one after the other; 中止 keeps what was scored.
    void KAISEKI_Click(int 秒);
    void 解析を止める();
    // The registered engine for 検討 or 棋譜解析; none, after saying why, when there is none
    // or an engine game is on.
    std::optional<登録エンジン> 解析に使うエンジン(const char* 題);

    // Clocks.
    void Timer1_Timer();
    void KEIKA_Click();
    void 描画_所有時間(int side, float seconds) override;
    void 消去_所有時間(int side);
    void 待ち時間(float seconds);

    // Strength and handicap.
    void LEVEL_Click(int n);
    void レベル_設定(int n);
    void 描画_レベル(int n) override;
    void 描画_ハンデレベル(int n) override;
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();

    // Records, from the menu and the record panel.
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    void KIF_WRITE_Click();
    void Command1_Click();
    void File1_Click(const std::string& name);
    int Drive1_Change(bool readable);

    // Records the desktop way: the file dialogs, the clipboard, the game kept at the end.
    void KIFU_OPEN_Click();
    void KIFU_SAVE_AS_Click();
    void COPY_Click(メニュー操作 item);
    void PASTE_Click();
    void LAST_GAME_Click();
    // A game not saved since its last move is kept as last-game.kif in the user's data folder.
    void 前回の対局を残す();

    // Options, help and version.
    void 背景_Click(int n);
    void SIDOU_Click();
    void BGM_Click();
    void 表示倍率_Click(int 倍率);
    void KAISETU_Click();
    void VER_Click();
    // The influence display on the board, on or off.
    void SEIRYOKU_Click();
    // The computer's choice for the side to move, outlined and named; nothing is played.
    void HINT_Click();

    // Engine games: 対局(ｴﾝｼﾞﾝ) with the person as 先手 or 後手, or 0 for engine against engine
    // (or the computer); 中断, 投了 (any game), ｴﾝｼﾞﾝ設定, and the tick of their clocks.
    void ENGINE_Click(int 人の番);
    void ENGINE_STOP_Click();
    void TOURYOU_Click();
    void ENGINE_SETUP_Click();
    void エンジン時刻();
    // An engine game is on the board (going on or ended, until another game starts).
    bool エンジン対局中() const;
    // How the engine game on the board ended (中断 while it goes on); none for other games.
    std::optional<終局理由> エンジン対局の終局() const;
    const エンジン対局* エンジン対局部() const { return エンジン_.get(); }

    void 効果音(音 which);
    表示& 表示部() { return 表示_; }
    const std::filesystem::path& 起動フォルダ() const { return 起動フォルダ_; }

private:
    void 初期設定();
    void メニューの命令(メニュー操作 item);
    void 人の手を指す(int button);
    void 手持ちの駒を選ぶ(int c, int r);
    void 盤の駒を選ぶ(int c, int r);
    void 移動先を選ぶ(int c, int r, int button);
    // The computer's steps: the notice, resigning, playing the move the search chose.
    void 思考中を示す();
    void COMの投了();
    void COMの手を指す(const COM指し手& mv);
    void 局面を項目から戻す(int j);
    // What a load read, shown as a new game in record mode (at its last move when `終わりへ`),
    // with the load's boxes. True when a game was read.
    bool 読んだ棋譜を置く(const 棋譜読込結果& r, bool 終わりへ = false,
                          std::optional<対局記録> 記録 = std::nullopt);
    void 終わりへ進める();
    // The game on the board as a record, with the names of the record it was loaded from.
    読込結果 今の記録() const;
    // The side value of the pieces at the bottom.
    int 下の側() const;
    // A record at `path` was read or written: first in the recent files.
    void 最近に加える(const std::string& path);
    // The game `r` was written at `path`: nothing to keep at the end until it changes.
    void 保存した(const std::string& path, const 対局記録& r);
    std::string 最近のフォルダ() const;
    // Refuses a game against the computer on a position without both kings; true when refused.
    bool COMと指せない();
    void 一手戻す(bool 最後);
    void 一手進める(bool 最後);
    void 始めて下さい();
    // ← → Home End while the move list is shown; false for any other key.
    bool 棋譜リストのキー(int code);
    // The comment lines of the shown move in the loaded record; none when it has none to edit.
    std::vector<std::string>* 表示中のコメント();
    void コメントを合わせる();
    // The kept record takes the game's moves where they go past it or leave it; sets
    // 注釈の手数_.
    void 注釈を合わせる();
    // The moves that may stand instead of the shown one, when the kept record has any.
    void 変化を合わせる(const 棋譜の行一覧& rows);
    // The move list and the graph brought in step with the game (only what changed is sent).
    void 棋譜リストを合わせる();
    // 検討 restarted on the position shown when it changed; its lines shown.
    void 検討を合わせる();
    void 検討を映す();
    void 検討を止める();
    void 検討の刻み();
    void 次の局面を解析する();
    // The engine's better moves written on the moves it marked, in the comments of the record
    // (made from the game when none was loaded).
    void 解析の注釈を書く();
    bool 解析の報告(エンジン対話& e, const 読み筋* info, const 最善手* best,
                    const エンジン故障* fault);
    // The engine's points while they belong to the positions of the list, else none.
    std::vector<形勢点> 解析の点();
    // The reports of the 検討 engine; false for another conversation.
    bool 検討の報告(エンジン対話& e, const 読み筋* info, const エンジン故障* fault);
    // The influence display brought in step with the position (nothing while it is off).
    void 勢力表示を合わせる();
    // The outlines of the last hint, back to the colours they replaced.
    void ヒント枠を消す();
    std::string 設定フォルダ() const { return 設定フォルダ_.string(); }
    // Shows the option check marks on the menu.
    void オプション印を映す();

    // Engine games (flow/engine_*.cpp).
    void 識別できた(エンジン対話&) override {}
    void 準備できた(エンジン対話& e) override;
    void 指した(エンジン対話& e, const 最善手& b) override;
    void 読んだ(エンジン対話& e, const 読み筋& info) override;
    void 故障した(エンジン対話& e, const エンジン故障& f) override;
    bool 対局を変える命令か(メニュー操作 item) const;
    void エンジン対局を片付ける();
    void エンジン対局の押下(int button, int X, int Y);
    void エンジン対局の手番();
    void 手番の側を止める();
    bool エンジン対局で指せるか(int button);
    void エンジン対局で人が指した();
    void エンジンの答え(bool 下側, const 最善手& b);
    void 判定した手を指す(const 手の判定& j, bool 下側);
    void 盤に指す(const 盤の手& mv, bool 下側);
    bool 指した手を記録(const std::string& usi, bool 王手);
    void COMに指させる();
    void 人の投了();
    void エンジン対局の終わり(終局理由 how, int 勝者, const std::string& 文);
    std::string 対局者名(bool 下側) const;
    std::string 結果の文(int 勝者) const;
    手番付き局面 USIの局面() const;
    ミリ秒 経過ミリ秒() const;
    void エンジン表示を合わせる();
    void エンジン時計を描く(bool 下側, bool 必ず);
    void 思考の帯を描く(const std::string& text);
    void 知らせを出す();
    // The ports the game itself implements: sound effects and the music.
    void 鳴らす(音 which) override { 効果音(which); }
    void ループ再生() override;
    void 停止() override;

    ゲームの窓口 窓口_;
    表示 表示_;
    std::filesystem::path 起動フォルダ_;
    std::filesystem::path 設定フォルダ_;
    bool 終了処理済_ = false;
    bool サウンド準備済_ = false;
    std::filesystem::path 利用者データ_;
    std::unique_ptr<最近のファイル> 最近_;
    // The start, moves and comments of the game as last saved or loaded (対局の手順).
    std::string 保存済み_;
    // The title and names of the record loaded, for the records written from the game.
    棋譜見出し 見出し_;
    // The two cells a hint outlined and the outline colours they had before.
    struct ヒント枠 {
        bool 有り = false;
        int 元X = 0, 元Y = 0, 元色 = 0, 先X = 0, 先Y = 0, 先色 = 0;
    };
    ヒント枠 ヒント枠_;
    std::unique_ptr<エンジン対局> エンジン_;
    // Boxes asked for while an engine's answer is handled, shown at the next tick: a modal
    // box there would let the event loop run inside the engine's report.
    std::vector<std::pair<std::string, std::string>> 保留の知らせ_;
    bool 刻み中_ = false;
    // The word a loaded record ends with ("投了"), said when "進" reaches its end.
    std::string 記録の終局_;
    // The KIF, KI2 or CSA record the game was loaded from, for its comments and branches;
    // none after a new game or a ".棋譜" file.
    std::optional<対局記録> 注釈_;
    // How many of its main-line moves the game still holds: their comments can be edited.
    int 注釈の手数_ = 0;
    struct 映したコメント {
        bool ある = false, 書ける = false;
        std::string 文字;
        bool operator==(const 映したコメント&) const = default;
    };
    std::optional<映したコメント> 映したコメント_;
    std::vector<std::string> 映した候補_;
    // The graph is shown; what the window was last given.
    bool 形勢表示_ = false;
    bool 映したリスト_ = false;
    棋譜の行一覧 映した行_;
    std::vector<形勢点> 映した点_;
    int 映した表示中_ = -1;
    struct 検討の状態 {
        std::unique_ptr<エンジン対話> 対話;
        検討の読み 読み;
        std::string 名前;
        std::string 局面;  // the position command of the position analysed; empty before
        手番付き局面 見る局面;
        int 見る側 = 先手;  // the scores are the bottom side's
        bool 準備済 = false;
    };
    std::unique_ptr<検討の状態> 検討_;
    struct 解析の状態 {
        std::unique_ptr<エンジン対話> 対話;
        std::string 名前;
        int 秒 = 1;
        int 下の側 = 先手;
        std::vector<手番付き局面> 局面;
        std::vector<形勢点> 点;
        std::optional<評価値> 今の評価;
        std::string 今の最善手;        // the first move of the last pv
        std::vector<解析の答え> 答え;  // one a position answered, in order
        std::size_t 次 = 0;
        bool 準備済 = false;
    };
    std::unique_ptr<解析の状態> 解析_;
    // The positions and points of the last analysis, shown while the list holds them.
    std::vector<std::string> 解析した局面_;  // position commands
    std::vector<形勢点> 解析した点_;
    // Conversations of 検討 and 棋譜解析 that ended, let go at the next tick: one may end
    // inside its own report.
    std::vector<std::unique_ptr<エンジン対話>> 退役_;
    int 検討の候補数_ = 1;
};

}  // namespace yukora
