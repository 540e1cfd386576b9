#include "window/engine_options_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <climits>

namespace yukora::window {
namespace {

QString 文(const std::string& s) { return QString::fromStdString(s); }

int 整数に(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// A line of text with "参照…", which picks a file with the standard dialog.
QWidget* ファイル名欄(const QString& value, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QLineEdit(value, box);
    edit->setObjectName("text");
    auto* pick = new QPushButton(QStringLiteral("参照…"), box);
    QObject::connect(pick, &QPushButton::clicked, box, [edit, box] {
        const QString f = QFileDialog::getOpenFileName(box, QString(), edit->text());
        if (!f.isEmpty()) edit->setText(f);
    });
    row->addWidget(edit);
    row->addWidget(pick);
    return box;
}

QWidget* 部品を作る(const エンジンの選択肢& o, const std::string& value, QWidget* parent) {
    switch (o.型) {
        case 選択肢の型::check: {
            auto* w = new QCheckBox(parent);
            w->setChecked(value == "true");
            return w;
        }
        case 選択肢の型::spin: {
            auto* w = new QSpinBox(parent);
            w->setRange(整数に(o.最小), 整数に(o.最大));
            w->setValue(整数に(std::atoll(value.c_str())));
            return w;
        }
        case 選択肢の型::combo: {
            auto* w = new QComboBox(parent);
            for (const std::string& v : o.候補) w->addItem(文(v));
            w->setCurrentText(文(value));
            return w;
        }
        case 選択肢の型::button: return new QPushButton(文(o.名前), parent);
        case 選択肢の型::filename: return ファイル名欄(文(value), parent);
        case 選択肢の型::string: return new QLineEdit(文(value), parent);
    }
    return nullptr;
}

}  // namespace

エンジン選択肢欄::エンジン選択肢欄(QWidget* parent) : QWidget(parent) { new QFormLayout(this); }

void エンジン選択肢欄::表示(const std::vector<エンジンの選択肢>& options,
                            const 選択肢の値& values) {
    auto* form = static_cast<QFormLayout*>(layout());
    while (form->rowCount() > 0) form->removeRow(0);
    行_.clear();
    for (const エンジンの選択肢& o : options) {
        std::string value = o.既定;
        for (const auto& [name, v] : values)
            if (name == o.名前) value = v;
        QWidget* w = 部品を作る(o, value, this);
        w->setObjectName(文(o.名前));
        const QString label = o.型 == 選択肢の型::button
                                  ? QString()
                                  : 文(o.名前) + QStringLiteral(" (既定 ") + 文(o.既定) + ")";
        form->addRow(label, w);
        行_.push_back({o, w});
    }
}

std::string エンジン選択肢欄::値(const 行& r) const {
    switch (r.選択肢.型) {
        case 選択肢の型::check:
            return static_cast<QCheckBox*>(r.部品)->isChecked() ? "true" : "false";
        case 選択肢の型::spin: return std::to_string(static_cast<QSpinBox*>(r.部品)->value());
        case 選択肢の型::combo: return static_cast<QComboBox*>(r.部品)->currentText().toStdString();
        case 選択肢の型::filename:
            return r.部品->findChild<QLineEdit*>("text")->text().toStdString();
        case 選択肢の型::string: return static_cast<QLineEdit*>(r.部品)->text().toStdString();
        case 選択肢の型::button: return r.選択肢.既定;
    }
    return {};
}

選択肢の値 エンジン選択肢欄::変えた値() const {
    選択肢の値 out;
    for (const 行& r : 行_) {
        std::string v = 値(r);
        std::erase_if(v, [](char c) { return c == '\n' || c == '\r'; });
        if (v != r.選択肢.既定) out.emplace_back(r.選択肢.名前, v);
    }
    return out;
}

QWidget* エンジン選択肢欄::部品(const std::string& name) const {
    for (const 行& r : 行_)
        if (r.選択肢.名前 == name) return r.部品;
    return nullptr;
}

}  // namespace yukora::window
