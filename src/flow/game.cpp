#include "flow/game.h"

#include "display/display.h"
#include "panel/panel_commands.h"
#include "rules/initial_setup.h"
#include "settings/option_commands.h"
#include "settings/recent_files.h"
#include "settings/settings_file.h"
#include "sound/sound_setup.h"

namespace yukora {

ゲーム::ゲーム(ゲームの窓口 ports)
    : 窓口_(std::move(ports)), 表示_(窓口_.screen, 窓口_.clock, 状態.盤面, 状態.進行) {
    表示_.付随設定(this);
}

ゲーム::~ゲーム() = default;

// Before the sound is ready the option alone says whether the music is to play.
void ゲーム::ループ再生() {
    if (サウンド準備済_) BGM開始(状態.音, 窓口_.sound);
}
void ゲーム::停止() {
    if (サウンド準備済_) BGM停止(状態.音, 窓口_.sound);
}

void ゲーム::効果音(音 which) { 音再生(状態.音, 窓口_.sound, which); }

// The tint follows at once: a box may wait over the new position.
void ゲーム::初期設定() {
    yukora::初期設定(状態.盤面, 状態.進行, 窓口_.timer, 表示_);
    勢力表示を合わせる();
    見出し_ = {};
    注釈_.reset();
}

void ゲーム::Form_Load(const std::filesystem::path& folder, const std::filesystem::path& settings,
                       const std::filesystem::path& 利用者データ) {
    起動フォルダ_ = folder;
    設定フォルダ_ = settings.empty() ? folder : settings;
    利用者データ_ = 利用者データ.empty() ? 設定フォルダ_ : 利用者データ;
    最近_ = std::make_unique<最近のファイル>(設定フォルダ_);
    窓口_.menu.最近のファイル設定(最近_->一覧());
    状態.進行.番.棋譜モード = 0;
    状態.設定.移動指導フラグ = 0;
    状態.進行.数.手順最終 = 0;
    状態.進行.強さ.レベル = 3;
    窓口_.menu.印設定(メニュー操作::LEVEL3, true);
    状態.進行.番.MAN番 = -1;
    状態.進行.番.COM番 = 1;
    const int 初回の倍率 = 窓口_.倍率 ? 窓口_.倍率->初回の表示倍率() : 表示倍率_既定;
    読込_環境設定ファイル(設定フォルダ(), 状態.設定, 表示_.状態.背景画番号, 表示_, *this,
                          初回の倍率);
    // A zoom kept from a larger screen would put part of the window off this one.
    if (窓口_.倍率) 状態.設定.印.表示倍率 = 窓口_.倍率->収まる倍率(状態.設定.印.表示倍率);
    オプション印を映す();
    // Before the first repaint, so that it is drawn at the size it is shown.
    if (窓口_.倍率) 窓口_.倍率->表示倍率設定(状態.設定.印.表示倍率);
    初期設定();
    勢力表示を合わせる();
    棋譜リストを合わせる();
}

void ゲーム::サウンド準備() {
    if (サウンド準備済_ || 終了処理済_) return;
    サウンド準備済_ = true;
    サウンド初期化(状態.音, 窓口_.sound, 窓口_.dialog, 窓口_.窓番号);
    読込_サウンド(状態.音, 窓口_.sound, 窓口_.dialog, 起動フォルダ_);
    if (状態.設定.印.BGM) ループ再生();
}

void ゲーム::終了処理() {
    if (終了処理済_) return;
    終了処理済_ = true;
    前回の対局を残す();
    検討を止める();
    解析を止める();
    エンジン対局を片付ける();
    解放_サウンド(状態.音, 窓口_.sound);
    サウンド終了(状態.音, 窓口_.sound);
}

void ゲーム::OWARI_Click() {
    終了処理();
    if (窓口_.終了) 窓口_.終了();
}

void ゲーム::キー押下(int code) {
    サウンド準備();
    if (code == キー_Esc) {
        // Esc ends 検討 first; without it, the program.
        if (検討中()) 検討を止める();
        else OWARI_Click();
        return;
    }
    if (!棋譜リストのキー(code)) return;
    勢力表示を合わせる();
    棋譜リストを合わせる();
}

void ゲーム::閉じる() { 終了処理(); }

void ゲーム::マウス押下(int button, int X, int Y) {
    サウンド準備();
    ヒント枠を消す();
    if (エンジン対局中()) エンジン対局の押下(button, X, Y);
    else Form_MouseDown(button, 0, static_cast<float>(X), static_cast<float>(Y));
    勢力表示を合わせる();
    棋譜リストを合わせる();
}

void ゲーム::勢力表示を合わせる() { 表示_.勢力地色を合わせる(状態.設定.印.SEIRYOKU); }

void ゲーム::メニュー選択(メニュー操作 item) {
    サウンド準備();
    ヒント枠を消す();
    if (対局を変える命令か(item)) エンジン対局を片付ける();
    // 戻 and 進 stop the side to move; the next press on the board goes on from there.
    if (item == メニュー操作::REPLAY || item == メニュー操作::AFTER) 手番の側を止める();
    メニューの命令(item);
    勢力表示を合わせる();
    棋譜リストを合わせる();
}

void ゲーム::メニューの命令(メニュー操作 item) {
    using enum メニュー操作;
    switch (item) {
        case TAIKYOKU:
        case STOP:
        case OPTION: TAIKYOKU_Click(); break;
        case START: START_Click(); break;
        case SENTE: SENTE_Click(); break;
        case GOTE: GOTE_Click(); break;
        case LEVEL1: LEVEL_Click(1); break;
        case LEVEL2: LEVEL_Click(2); break;
        case LEVEL3: LEVEL_Click(3); break;
        case OWARI: OWARI_Click(); break;
        case CANCEL: CANCEL_Click(); break;
        case REVERSE: REVERSE_Click(状態.盤面, 状態.進行, 表示_, 窓口_.dialog, *this); break;
        case REPLAY: REPLAY_Click(); break;
        case AFTER: AFTER_Click(); break;
        case LBEL_UP: LBEL_UP_Click(); break;
        case LEBEL_DOWN: LEBEL_DOWN_Click(); break;
        case KIFU_READ: KIFU_READ_Click(); break;
        case KIFU_WRITE: KIFU_WRITE_Click(); break;
        case KIF_WRITE: KIF_WRITE_Click(); break;
        case KIFU_OPEN: KIFU_OPEN_Click(); break;
        case KIFU_SAVE_AS: KIFU_SAVE_AS_Click(); break;
        case COPY_KIF:
        case COPY_CSA:
        case COPY_KI2:
        case COPY_SFEN:
        case COPY_USI: COPY_Click(item); break;
        case PASTE: PASTE_Click(); break;
        case LAST_GAME: LAST_GAME_Click(); break;
        case MIDORI: 背景_Click(背景_緑); break;
        case TATAMI: 背景_Click(背景_畳); break;
        case TAKE: 背景_Click(背景_竹); break;
        case UCHU: 背景_Click(背景_宇宙); break;
        case RENGA: 背景_Click(背景_煉瓦); break;
        case SIDOU: SIDOU_Click(); break;
        case KEIKA: KEIKA_Click(); break;
        case BGM: BGM_Click(); break;
        case SEIRYOKU: SEIRYOKU_Click(); break;
        case KAISETU: KAISETU_Click(); break;
        case VER: VER_Click(); break;
        case HINT: HINT_Click(); break;
        case BAIRITU100: 表示倍率_Click(100); break;
        case BAIRITU125: 表示倍率_Click(125); break;
        case BAIRITU150: 表示倍率_Click(150); break;
        case BAIRITU200: 表示倍率_Click(200); break;
        case BAIRITU250: 表示倍率_Click(250); break;
        case BAIRITU300: 表示倍率_Click(300); break;
        case AWASERU: 表示倍率_Click(表示倍率_合わせる); break;
        case ENGINE_SENTE: ENGINE_Click(先手); break;
        case ENGINE_GOTE: ENGINE_Click(後手); break;
        case ENGINE_BOTH: ENGINE_Click(0); break;
        case ENGINE_STOP: ENGINE_STOP_Click(); break;
        case TOURYOU: TOURYOU_Click(); break;
        case ENGINE_SETUP: ENGINE_SETUP_Click(); break;
        case ENGINE:
        case KIFULIST: KIFULIST_Click(); break;
        case KEISEI: KEISEI_Click(); break;
        case KENTOU: KENTOU_Click(); break;
        case KENTOU_PV1: 検討の候補数_Click(1); break;
        case KENTOU_PV2: 検討の候補数_Click(2); break;
        case KENTOU_PV3: 検討の候補数_Click(3); break;
        case KAISEKI1: KAISEKI_Click(1); break;
        case KAISEKI3: KAISEKI_Click(3); break;
        case KAISEKI10: KAISEKI_Click(10); break;
        case KAISEKI_STOP: 解析を止める(); break;
        case KAISEKI:
        case KENTOU_PV:
        case MATCH_MAN:
        case START2:
        case LEVEL:
        case KIFU:
        case RECENT:
        case COPY:
        case HAIKEI_GA:
        case SONOTA:
        case BAIRITU: break;
    }
}

}  // namespace yukora
