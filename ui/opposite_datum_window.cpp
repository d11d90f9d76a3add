#include "ui/opposite_datum_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "ui/dialog_parts.h"
#include "ui/qt_platform.h"

namespace ui {

void ShowOppositeDatumDialog(QWidget* parent, model::OppositeDatumDialog& d) {
    QWidget* over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : parent;
    ModalDialog dialog(over, "frmOppositeDatum", ToQt(d.caption));
    auto* prompt = new QLabel(ToQt(d.prompt), &dialog);
    prompt->setObjectName("lblPrompt");
    dialog.column()->addWidget(prompt);
    QPushButton* singled_out = nullptr;
    for (std::size_t b = 0; b < d.buttons.size(); ++b) {
        const model::OppositeDatumButton& button = d.buttons[b];
        QPushButton* push = dialog.AddButton(ToQt(button.caption), QString("cmdDatum(%1)").arg(b));
        push->setEnabled(button.enabled);
        push->setAutoDefault(false);
        if (static_cast<int>(b) == d.singled_out) singled_out = push;
        QObject::connect(push, &QPushButton::clicked, &dialog, [&d, &dialog, b] {
            model::PressOppositeButton(d, static_cast<int>(b));
            dialog.accept();
        });
    }
    dialog.CentreButtons();
    if (singled_out) singled_out->setDefault(true);
    dialog.Run(singled_out);
    if (d.open) model::CloseOppositeDatumDialog(d);  // closed without a button
}

}  // namespace ui
