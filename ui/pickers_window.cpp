#include "ui/pickers_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

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
    ShowEntries(list, entries, -1);
    int widest = 0;
    for (const std::string& entry : entries) widest = std::max(widest, list->fontMetrics().horizontalAdvance(ToQt(entry)));
    const int row_height = list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
    list->setFixedHeight(row_height * kRowsShown + 2 * list->frameWidth());
    list->setFixedWidth(widest + list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth() +
                        TwipsToPixels(240));
    return list;
}

// The list's entries (the day list changes its length with the month), the
// one that shows `current` selected.
void Fill(QListWidget* list, const std::vector<std::string>& entries, const std::string& current) {
    const auto found = std::find(entries.begin(), entries.end(), current);
    ShowEntries(list, entries, found == entries.end() ? -1 : static_cast<int>(found - entries.begin()));
}

std::string Field(const std::string& text, std::size_t start, std::size_t length) {
    return text.size() >= start + length ? text.substr(start, length) : std::string();
}

// Setdate and Settime: a header, the picked text, the lists side by side, OK and Cancel.
class PickerDialog : public ModalDialog {
    Q_OBJECT
public:
    PickerDialog(QWidget* parent, const char* name, const std::string& header, const char* text_name)
        : ModalDialog(parent, name, name) {
        auto* heading = new QLabel(ToQt(header), this);
        heading->setObjectName("lblHeader");
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        column()->addWidget(heading, 0, Qt::AlignHCenter);
        text = new QLabel(this);
        text->setObjectName(text_name);
        text->setTextFormat(Qt::PlainText);
        text->setAlignment(Qt::AlignCenter);
        text->setFrameShape(QFrame::Panel);
        text->setFrameShadow(QFrame::Sunken);
        column()->addWidget(text);
        lists_ = new QGridLayout;
        column()->addLayout(lists_);
        AddOkCancel();
        connect(ok(), &QPushButton::clicked, this, &QDialog::accept);
    }
    void Add(QListWidget* list, const char* caption, int column) {
        lists_->addWidget(new QLabel(caption, this), 0, column);
        lists_->addWidget(list, 1, column);
    }
    QLabel* text = nullptr;

private:
    QGridLayout* lists_ = nullptr;
};

}  // namespace

bool RunSetdate(QWidget* parent, schedule::ScheduleForm& form, schedule::PickerButton button) {
    const int present_year = schedule::ToCivil(schedule::PresentLocalTime()).year;
    schedule::DatePicker picker = model::OpenDatePicker(form, button, present_year);
    PickerDialog f(parent, "Setdate", picker.header, "lblDate");
    QListWidget* days = MakeList(&f, "lstDay", {"31"});
    QListWidget* months = MakeList(&f, "lstMonth", picker.months);
    QListWidget* years = MakeList(&f, "lstYear", picker.years);
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
    QObject::connect(days, &QListWidget::currentItemChanged, &f, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickDay(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(months, &QListWidget::currentItemChanged, &f, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickMonth(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(years, &QListWidget::currentItemChanged, &f, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickYear(picker, FromQt(item->text()));
        show();
    });
    if (f.Run(days) != QDialog::Accepted) return false;
    model::DatePickerOK(form, button, picker);
    return true;
}

bool RunSettime(QWidget* parent, schedule::ScheduleForm& form, schedule::PickerButton button) {
    schedule::TimePicker picker = model::OpenTimePicker(form, button);
    PickerDialog f(parent, "Settime", picker.header, "lblTime");
    QListWidget* hours = MakeList(&f, "lstHour", picker.hours);
    QListWidget* minutes = MakeList(&f, "lstMin", picker.minutes);
    QListWidget* seconds = MakeList(&f, "lstSec", picker.seconds);
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
    QObject::connect(hours, &QListWidget::currentItemChanged, &f, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickHour(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(minutes, &QListWidget::currentItemChanged, &f, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickMinute(picker, FromQt(item->text()));
        show();
    });
    QObject::connect(seconds, &QListWidget::currentItemChanged, &f, [&](QListWidgetItem* item) {
        if (!item) return;
        schedule::PickSecond(picker, FromQt(item->text()));
        show();
    });
    if (f.Run(hours) != QDialog::Accepted) return false;
    model::TimePickerOK(form, button, picker);
    return true;
}

}  // namespace ui

#include "pickers_window.moc"
