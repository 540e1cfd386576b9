// Answers every message box as soon as it opens, keeping what it showed.
#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

namespace yukora::window {

struct 箱の中身 {
    std::string 文, 題;
    QMessageBox::Icon 絵 = QMessageBox::NoIcon;
    std::vector<std::string> ボタン;  // the texts of its buttons, in order
    QFont 書体;
    int 幅 = 0;
};

class 箱を閉じる {
public:
    箱を閉じる() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                文言.push_back(box->text().toStdString());
                箱.push_back({box->text().toStdString(), box->windowTitle().toStdString(),
                              box->icon(), ボタンの文字(*box), box->font(), box->width()});
                box->done(QMessageBox::Yes);
            }
        });
        timer_.start(10);
    }
    std::vector<std::string> 文言;
    std::vector<箱の中身> 箱;

private:
    static std::vector<std::string> ボタンの文字(const QMessageBox& box) {
        std::vector<std::string> out;
        for (const QAbstractButton* b : box.buttons()) out.push_back(b->text().toStdString());
        return out;
    }
    QTimer timer_;
};

}  // namespace yukora::window
