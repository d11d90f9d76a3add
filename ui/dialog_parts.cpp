#include "ui/dialog_parts.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QSpacerItem>
#include <QStyle>
#include <QTimer>

#include "ui/qt_platform.h"

namespace ui {

namespace {

// Places the dialog over the centre of its parent window.
void CentreOnParent(QDialog* dialog) {
    // Wide enough for its whole title beside the frame's buttons.
    if (auto* layout = qobject_cast<QBoxLayout*>(dialog->layout())) {
        const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
        const int title = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        const int room = metrics.horizontalAdvance(dialog->windowTitle()) + 4 * title;
        layout->addItem(new QSpacerItem(room - layout->contentsMargins().left() - layout->contentsMargins().right(), 0,
                                        QSizePolicy::Fixed, QSizePolicy::Fixed));
    }
    QWidget* parent = dialog->parentWidget();
    if (!parent) return;
    dialog->adjustSize();
    const QRect frame = parent->window()->frameGeometry();
    dialog->move(frame.center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

}  // namespace

TextBox::TextBox(const char* name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setMinimumWidth(TwipsToPixels(2600));
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the mouse press that entered the box has placed the cursor.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A notice or a menu taking the focus away is not leaving the box; nor is a
    // notice raised while the box is being left.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    if (leaving_) return;
    leaving_ = true;
    emit left();
    leaving_ = false;
}

ModalDialog::ModalDialog(QWidget* parent, const char* name, const QString& title) : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);
    column_ = new QVBoxLayout(this);
    column_->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* ModalDialog::AddButton(const QString& caption, const QString& name) {
    if (!buttons_) {
        column_->addSpacing(TwipsToPixels(120));
        buttons_ = new QDialogButtonBox(this);
        column_->addWidget(buttons_);
    }
    auto* button = new QPushButton(caption, buttons_);
    button->setObjectName(name);
    // Every button in one role: the box keeps them in the order they were
    // added, where the desktop's own order would put Cancel before OK.
    buttons_->addButton(button, QDialogButtonBox::ActionRole);
    return button;
}

void ModalDialog::AddOkCancel() {
    ok_ = AddButton("OK", "cmdOK");
    ok_->setDefault(true);
    connect(AddButton("Cancel", "cmdCancel"), &QPushButton::clicked, this, &QDialog::reject);
}

void ModalDialog::CentreButtons() {
    if (buttons_) buttons_->setCenterButtons(true);
}

int ModalDialog::Run(QWidget* focus, const std::function<void()>& opened) {
    CentreOnParent(this);
    if (focus) focus->setFocus(Qt::OtherFocusReason);
    if (opened) opened();
    return ExecModal(*this);
}

namespace {

// Fills the list with the entries unless it holds them already (a refill
// would lose the user's scroll position and the current item).
template <class List, class TextAt>
void Refill(List* list, const std::vector<std::string>& entries, TextAt text_at) {
    bool same = list->count() == static_cast<int>(entries.size());
    for (int k = 0; same && k < list->count(); ++k) same = text_at(k) == ToQt(entries[static_cast<std::size_t>(k)]);
    if (same) return;
    list->clear();
    for (const std::string& entry : entries) list->addItem(ToQt(entry));
}

}  // namespace

void ShowEntries(QComboBox* list, const std::vector<std::string>& entries, int selected) {
    const QSignalBlocker block(list);
    Refill(list, entries, [list](int k) { return list->itemText(k); });
    list->setCurrentIndex(selected);
}

void ShowEntries(QListWidget* list, const std::vector<std::string>& entries, int selected) {
    const QSignalBlocker block(list);
    Refill(list, entries, [list](int k) { return list->item(k)->text(); });
    list->setCurrentRow(selected);
    if (QListWidgetItem* item = list->item(selected)) list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
}

QWidget* FieldWidget(model::Field field, std::initializer_list<std::pair<model::Field, QWidget*>> widgets,
                     QWidget* first) {
    for (const auto& [which, widget] : widgets)
        if (which == field) return widget;
    return first;
}

QString WithAccessKey(const QString& caption, QString& used) {
    for (int k = 0; k < caption.size(); ++k) {
        const QChar c = caption[k].toUpper();
        if (!c.isLetter() || used.contains(c)) continue;
        used += c;
        return caption.left(k) + '&' + caption.mid(k);
    }
    return caption;
}

int ExecModal(QDialog& dialog) {
    QPointer<QWidget> before = QApplication::activeWindow();
    if (!before && dialog.parentWidget()) before = dialog.parentWidget()->window();
    QPointer<QWidget> focus = before ? before->focusWidget() : nullptr;
    const int result = dialog.exec();
    if (before && before->isVisible()) {
        before->activateWindow();
        before->raise();
        if (focus && focus->isVisible()) focus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}


}  // namespace ui
