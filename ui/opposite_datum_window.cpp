#include "ui/opposite_datum_window.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_parts.h"
#include "ui/qt_platform.h"

namespace ui {

void ShowOppositeDatumDialog(QWidget* parent, model::OppositeDatumDialog& d) {
    QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent;
    QDialog dialog(over);
    dialog.setObjectName("frmOppositeDatum");
    dialog.setWindowTitle(ToQt(d.caption));
    dialog.setModal(true);
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(ToQt(d.prompt), &dialog);
    prompt->setObjectName("lblPrompt");
    layout->addWidget(prompt);
    layout->addSpacing(TwipsToPixels(120));
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* singled_out = nullptr;
    for (std::size_t b = 0; b < d.buttons.size(); ++b) {
        const model::OppositeDatumButton& button = d.buttons[b];
        auto* push = new QPushButton(ToQt(button.caption), &dialog);
        push->setObjectName(QString("cmdDatum(%1)").arg(b));
        push->setEnabled(button.enabled);
        push->setAutoDefault(false);
        if (static_cast<int>(b) == d.singled_out) singled_out = push;
        QObject::connect(push, &QPushButton::clicked, &dialog, [&d, &dialog, b] {
            model::PressOppositeButton(d, static_cast<int>(b));
            dialog.accept();
        });
        row->addWidget(push);
    }
    row->addStretch();
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (singled_out) {
        singled_out->setDefault(true);
        singled_out->setFocus(Qt::OtherFocusReason);
    }
    CentreOnParent(&dialog);
    ExecModal(dialog);
    if (d.open) model::CloseOppositeDatumDialog(d);  // closed without a button
}

}  // namespace ui
