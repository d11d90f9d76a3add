#include "ui/pickers_window.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

#include "model/schedule_actions.h"
#include "ui/dialog_parts.h"
#include "ui/qt_platform.h"

namespace ui {

namespace {

constexpr int kRowsShown = 8;

QListWidget* MakeList(QWidget* parent, const char* name, const std::vector<std::string>& entries) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    int widest = 0;
    for (const std::string& entry : entries) {
        list->addItem(ToQt(entry));
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(ToQt(entry)));
    }
    const int row_height = list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
    list->setFixedHeight(row_height * kRowsShown + 2 * list->frameWidth());
    list->setFixedWidth(widest + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth() +
                        TwipsToPixels(240));
    return list;
}

// Refills a list with entries (the day list changes its length with the month),
// keeping the entry that shows `current` selected.
void Fill(QListWidget* list, const std::vector<std::string>& entries, const std::string& current) {
    const QSignalBlocker block(list);
    if (list->count() != static_cast<int>(entries.size())) {
        list->clear();
        for (const std::string& entry : entries) list->addItem(ToQt(entry));
    }
    const QList<QListWidgetItem*> found = list->findItems(ToQt(current), Qt::MatchExactly);
    if (found.isEmpty()) {
        list->clearSelection();
        return;
    }
    list->setCurrentItem(found.front());
    list->scrollToItem(found.front(), QAbstractItemView::PositionAtCenter);
}

std::string Field(const std::string& text, std::size_t start, std::size_t length) {
    return text.size() >= start + length ? text.substr(start, length) : std::string();
}

struct PickerFrame {
    QDialog dialog;
    QVBoxLayout* layout = nullptr;
    QLabel* text = nullptr;
    QGridLayout* lists = nullptr;
    OkCancel buttons;

    PickerFrame(QWidget* parent, const char* name, const std::string& header, const char* text_name)
        : dialog(parent) {
        dialog.setObjectName(name);
        dialog.setWindowTitle(name);
        dialog.setModal(true);
        layout = new QVBoxLayout(&dialog);
        auto* heading = new QLabel(ToQt(header), &dialog);
        heading->setObjectName("lblHeader");
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading, 0, Qt::AlignHCenter);
        text = new QLabel(&dialog);
        text->setObjectName(text_name);
        text->setTextFormat(Qt::PlainText);
        text->setAlignment(Qt::AlignCenter);
        text->setFrameShape(QFrame::Panel);
        text->setFrameShadow(QFrame::Sunken);
        layout->addWidget(text);
        lists = new QGridLayout;
        layout->addLayout(lists);
        layout->addSpacing(TwipsToPixels(120));
        buttons = MakeOkCancel(&dialog);
        layout->addWidget(buttons.row);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    }
    void Add(QListWidget* list, const char* caption, int column) {
        lists->addWidget(new QLabel(caption, &dialog), 0, column);
        lists->addWidget(list, 1, column);
    }
    bool Run() {
        CentreOnParent(&dialog);
        return ExecModal(dialog) == QDialog::Accepted;
    }
};

}  // namespace

bool RunSetdate(QWidget* parent, schedule::ScheduleForm& form, schedule::PickerButton button) {
    const int present_year = schedule::ToCivil(schedule::PresentLocalTime()).year;
    schedule::DatePicker picker = model::OpenDatePicker(form, button, present_year);
    PickerFrame f(parent, "Setdate", picker.header, "lblDate");
    QListWidget* days = MakeList(&f.dialog, "lstDay", {"31"});
    QListWidget* months = MakeList(&f.dialog, "lstMonth", picker.months);
    QListWidget* years = MakeList(&f.dialog, "lstYear", picker.years);
    f.Add(days, "Day", 0);
    f.Add(months, "Month", 1);
    f.Add(years, "Year", 2);
    auto show = [&] {
        f.text->setText(ToQt(picker.date_text));
        Fill(days, picker.days, Field(picker.date_text, 0, 2));
        Fill(months, picker.months, Field(picker.date_text, 3, 3));
        Fill(years, picker.years, Field(picker.date_text, 7, 4));
    };
    show();
    QObject::connect(days, &QListWidget::currentItemChanged, &f.dialog, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickDay(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(months, &QListWidget::currentItemChanged, &f.dialog, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickMonth(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(years, &QListWidget::currentItemChanged, &f.dialog, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickYear(picker, FromQt(item->text()));
        show();
    });
    days->setFocus();
    if (!f.Run()) return false;
    model::DatePickerOK(form, button, picker);
    return true;
}

bool RunSettime(QWidget* parent, schedule::ScheduleForm& form, schedule::PickerButton button) {
    schedule::TimePicker picker = model::OpenTimePicker(form, button);
    PickerFrame f(parent, "Settime", picker.header, "lblTime");
    QListWidget* hours = MakeList(&f.dialog, "lstHour", picker.hours);
    QListWidget* minutes = MakeList(&f.dialog, "lstMin", picker.minutes);
    QListWidget* seconds = MakeList(&f.dialog, "lstSec", picker.seconds);
    f.Add(hours, "Hour", 0);
    f.Add(minutes, "Min", 1);
    f.Add(seconds, "Sec", 2);
    auto show = [&] {
        f.text->setText(ToQt(picker.time_text));
        Fill(hours, picker.hours, Field(picker.time_text, 0, 2));
        Fill(minutes, picker.minutes, Field(picker.time_text, 3, 2));
        Fill(seconds, picker.seconds, Field(picker.time_text, 6, 2));
    };
    show();
    QObject::connect(hours, &QListWidget::currentItemChanged, &f.dialog, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickHour(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(minutes, &QListWidget::currentItemChanged, &f.dialog, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickMinute(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(seconds, &QListWidget::currentItemChanged, &f.dialog, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickSecond(picker, FromQt(item->text()));
        show();
    });
    hours->setFocus();
    if (!f.Run()) return false;
    model::TimePickerOK(form, button, picker);
    return true;
}

}  // namespace ui
