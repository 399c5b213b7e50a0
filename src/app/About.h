#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>

class QDate;
class QLabel;
class QLineEdit;
class QPushButton;
class QUrl;

namespace quillon {

// The about box: name, version, credits, the machine's memory and a small Easter calculator. Enter in
// the year field shows the date of Easter Sunday of that year, as past or future seen from today.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void Year_EditKeyDown();
    void Mail_ButtonClick();
    void WWW_ButtonClick();

    QLabel* Image1 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Version = nullptr;
    QLabel* Label_english = nullptr;
    QLabel* Label_spanish = nullptr;
    QLabel* Label_italian = nullptr;
    QLabel* Label_portugese = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Year_Edit = nullptr;
    QLabel* GregDate_Label = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* PhysMem = nullptr;
    QPushButton* OK_Button = nullptr;
    QPushButton* Mail_Button = nullptr;
    QPushButton* WWW_Button = nullptr;
};

// The year typed into the Easter calculator: an integer from 1 to 9999, the years a calendar date
// has. Throws std::runtime_error with the message for the user otherwise.
int ReadEasterYear(const QString& text);

// "Easter was on 4.April 2021." when `today` is Easter Sunday of that year or later, "Easter is on
// ..." before it, in the current language. The year must be one ReadEasterYear accepts.
QString EasterMessage(int year, const QDate& today);

// The machine's physical memory in kilobytes (truncated), 0 where it cannot be read.
std::uint64_t PhysicalMemoryKB();
// "16.777.216 KB": the kilobytes with the thousands separator of the number format.
QString MemoryText(std::uint64_t kilobytes);

// Where the mail and web buttons lead.
QUrl MailUrl();
// An empty address where the page cannot be found.
QUrl WebPageUrl();

// Opens an address in the user's mail program or browser; tests replace it. An empty opener restores
// the desktop's own.
using UrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpener(UrlOpener opener);

} // namespace quillon
