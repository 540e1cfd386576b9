// "ｴﾝｼﾞﾝ設定": the engines kept in engines.ini, each engine's options, and the engine game's
// settings. 追加 runs the chosen program with "usi" and lists it by its id name and author;
// an engine chosen in the list is asked again for its options. Nothing waits on an engine.
#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "engine/engine_ports.h"
#include "engine/engines_ini.h"
#include "window/engine_options_form.h"
#include "window/qt_engine_process.h"

namespace yukora::window {

class エンジン設定画面 final : public QDialog, private エンジン対話の受け手 {
public:
    エンジン設定画面(const std::string& folder, エンジン墓場& graveyard, QWidget* parent = nullptr);
    ~エンジン設定画面() override;

    // The program 追加 adds: the standard file dialog unless a test sets it.
    std::function<QString()> ファイルを選ぶ;
    void 追加();
    void 削除();
    // Writes engines.ini (the OK button); false after telling why it could not.
    bool 保存();

    QListWidget* 一覧() const { return 一覧_; }
    エンジン選択肢欄* 選択肢() const { return 選択肢_; }
    QLabel* 状況() const { return 状況_; }
    QSpinBox* 持ち時間() const { return 持ち時間_; }
    QSpinBox* 秒読み() const { return 秒読み_; }
    QSpinBox* 加算() const { return 加算_; }
    QComboBox* 相手() const { return 相手_; }
    // An engine is being asked for its name and options.
    bool 問い合わせ中() const { return 問い_ != nullptr; }

private:
    void 識別できた(エンジン対話& e) override;
    void 故障した(エンジン対話& e, const エンジン故障& f) override;
    void 問い合わせる(const std::string& path, bool 加える);
    void 問いを終える();
    void 選んだ(int row);
    void 欄を覚える();
    void 一覧を作る(int select);
    void 対局欄を作る();

    std::string folder_;
    エンジン墓場& graveyard_;
    エンジン設定 設定_;
    std::map<std::string, std::vector<エンジンの選択肢>> 宣言_;  // by path
    std::unique_ptr<エンジン対話> 問い_;
    std::vector<std::unique_ptr<エンジン対話>> 退役_;
    std::string 問いのパス_;
    bool 加える_ = false;
    int 表示中_ = -1;  // the engine whose options the form shows
    Qt経過時計 時計_;
    QTimer 刻み_;
    QListWidget* 一覧_;
    エンジン選択肢欄* 選択肢_;
    QLabel* 状況_;
    QPushButton* 追加_;
    QComboBox *対局_, *相手_;
    QSpinBox *持ち時間_, *秒読み_, *加算_;
};

// The port the game opens it through: modal over the main window.
class Qtエンジン設定窓 final : public エンジン設定窓 {
public:
    Qtエンジン設定窓(QWidget* parent, エンジン墓場& graveyard)
        : parent_(parent), graveyard_(graveyard) {}
    void 開く(const std::string& folder) override;
    // Runs once the dialog is open (a test works it from here).
    std::function<void(エンジン設定画面&)> 表示中;

private:
    QWidget* parent_;
    エンジン墓場& graveyard_;
};

}  // namespace yukora::window
