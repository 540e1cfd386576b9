// The options an engine declares, as widgets of their kinds with the defaults shown: a check
// box, a number box within its limits, a list of its values, a line of text (with a file
// chooser for a file name); a button option is a button.
#pragma once
#include <QWidget>
#include <vector>

#include "engine/engine_session.h"

namespace yukora::window {

class エンジン選択肢欄 final : public QWidget {
public:
    explicit エンジン選択肢欄(QWidget* parent = nullptr);

    // Shows `options`, each with its value in `values` or else its default.
    void 表示(const std::vector<エンジンの選択肢>& options, const 選択肢の値& values);
    // The values that differ from their defaults, in the options' order.
    選択肢の値 変えた値() const;
    // The widget of an option by its name (for tests); null when there is none.
    QWidget* 部品(const std::string& name) const;

private:
    struct 行 {
        エンジンの選択肢 選択肢;
        QWidget* 部品;
    };
    std::string 値(const 行& r) const;
    std::vector<行> 行_;
};

}  // namespace yukora::window
