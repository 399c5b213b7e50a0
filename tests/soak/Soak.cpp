// A long random session with the real main window, offscreen: page switches, random texts in random
// fields, random buttons, the dialogs, option changes, and closing and reopening the window. It fails
// on a crash or sanitizer report (they end the process), on a hang (no step or dialog answer for 5 s),
// on a modal dialog left open after a step, and on a settings file that does not read back: a window
// opened on what the last one wrote and closed again must write the same file.
//
//   quillon_soak [--steps N] [--seed S] [--minutes M] [--from STEP]
//
// The seed and every hundredth step are printed; the same seed repeats the same session. --minutes
// bounds the run (it then ends early and passes); --from prints every step from that one on.

#include "app/MainForm.h"
#include "core/Globals.h"
#include "core/NumberFormats.h"
#include "pages/ErrorDisplay.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace quillon {
namespace {

std::atomic<long long> lastProgress{0}; // milliseconds since start of the last step or answer
std::atomic<long> currentStep{0};
unsigned long long seed = 1;
QElapsedTimer clock_;

void Progress() {
    lastProgress = clock_.elapsed();
}

QStringList lastMessages; // the texts of the last message boxes answered, for the failure report

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "soak FAILED at step %ld (seed %llu): %s\n", currentStep.load(), seed,
                 what.toLocal8Bit().constData());
    for (const QString& message : lastMessages)
        std::fprintf(stderr, "  message before: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

// Text a user might type, or a cat on the keyboard: numbers in both separators, formulas, garbage,
// very long texts.
QString RandomText(std::mt19937_64& rng) {
    static const char* const pieces[] = {
        "1",   "0",      "-",      "+",       "*",        "/", "^",   "(",
        ")",   "[",      "]",      ",",       ".",        "E", "e",   "x",
        "pi",  "sin(",   "sqrt(",  "ln(",     "arcosh(",  "2", "3,5", "1.5",
        " ",   "abc",    "1E4932", "1E-4951", "-0",       "ü", "\t",  "123456789012345678901234567890",
        "1/0", "(-2)^2", "2^3^2",  "frac(",   "tan(pi/2)"};
    std::uniform_int_distribution<int> kind(0, 9);
    QString text;
    switch (kind(rng)) {
    case 0: // a plain number
        return QString::number(std::uniform_real_distribution<double>(-1e6, 1e6)(rng), 'g',
                               std::uniform_int_distribution<int>(1, 17)(rng))
            .replace('.', DecimalSeparator);
    case 1: // empty
        return {};
    case 2: { // very long
        const int n = std::uniform_int_distribution<int>(1000, 20000)(rng);
        for (int i = 0; i < n; ++i)
            text += QLatin1String(
                pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng)]);
        return text;
    }
    case 3: { // bytes
        const int n = std::uniform_int_distribution<int>(1, 40)(rng);
        for (int i = 0; i < n; ++i)
            text += QChar(std::uniform_int_distribution<int>(1, 0x2FF)(rng));
        return text;
    }
    default: { // a short formula or piece of one
        const int n = std::uniform_int_distribution<int>(1, 12)(rng);
        for (int i = 0; i < n; ++i)
            text += QLatin1String(
                pieces[std::uniform_int_distribution<std::size_t>(0, std::size(pieces) - 1)(rng)]);
        return text;
    }
    }
}

// A random visible and enabled child of type T, or null.
template <class T> T* Pick(std::mt19937_64& rng, const QWidget* root) {
    std::vector<T*> usable;
    for (T* w : root->findChildren<T*>())
        if (w->isVisible() && w->isEnabled()) usable.push_back(w);
    if (usable.empty()) return nullptr;
    return usable[std::uniform_int_distribution<std::size_t>(0, usable.size() - 1)(rng)];
}

void TypeInto(std::mt19937_64& rng, QLineEdit* edit) {
    if (edit == nullptr || edit->isReadOnly()) return;
    if (std::bernoulli_distribution(0.2)(rng)) {
        edit->setFocus();
        edit->selectAll();
        // Typed keys: QTest maps printable ASCII only.
        QString keys;
        for (const QChar c : RandomText(rng).left(30))
            if (c.unicode() >= 32 && c.unicode() < 127) keys += c;
        QTest::keyClicks(edit, keys);
    } else {
        edit->setText(RandomText(rng));
    }
}

// Answers whatever modal dialog is open: a few random inputs inside it, then one of its buttons or
// the close box. Runs from a timer, so it also answers dialogs opened from inside other dialogs.
class Answerer : public QObject {
public:
    // Set when a close question was answered "close anyway": the file then holds only part of the
    // window's values.
    bool closedAnyway = false;

    explicit Answerer(std::mt19937_64& rng, const QString& folder) : rng_(rng), folder_(folder) {
        // Qt does not run a timer's handler again while it is still running, so a dialog opened by an
        // answer would never be answered: the answer runs from an event of its own.
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (pending_ || QApplication::activeModalWidget() == nullptr) return;
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                Answer();
            });
        });
        timer_.start(2);
    }

private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        Progress();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            // Sometimes a real report file, mostly a cancel.
            if (std::bernoulli_distribution(0.3)(rng_)) {
                files->selectFile(QDir(folder_).filePath(QStringLiteral("report.txt")));
                static_cast<QDialog*>(files)->accept(); // QFileDialog hides it, QDialog does not
            } else {
                files->reject();
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            lastMessages << box->text().left(300);
            if (lastMessages.size() > 5) lastMessages.removeFirst();
            const QList<QAbstractButton*> buttons = box->buttons();
            if (buttons.isEmpty())
                box->reject();
            else {
                QAbstractButton* button =
                    buttons[std::uniform_int_distribution<qsizetype>(0, buttons.size() - 1)(rng_)];
                if (button->objectName() == QLatin1String("CloseAnyway_Button")) closedAnyway = true;
                button->click();
            }
        } else if (modal->inherits("QPrintDialog") || modal->inherits("QPageSetupDialog")) {
            static_cast<QDialog*>(modal)->reject();
        } else if (std::bernoulli_distribution(0.6)(rng_)) {
            // Work inside the dialog: type, tick, pick, press.
            switch (std::uniform_int_distribution<int>(0, 3)(rng_)) {
            case 0:
                TypeInto(rng_, Pick<QLineEdit>(rng_, modal));
                break;
            case 1:
                if (auto* check = Pick<QCheckBox>(rng_, modal)) check->click();
                break;
            case 2:
                if (auto* radio = Pick<QRadioButton>(rng_, modal)) radio->click();
                break;
            default:
                if (auto* combo = Pick<QComboBox>(rng_, modal); combo && combo->count() > 0)
                    combo->setCurrentIndex(std::uniform_int_distribution<int>(0, combo->count() - 1)(rng_));
                break;
            }
        } else if (auto* button = Pick<QPushButton>(rng_, modal);
                   button && std::bernoulli_distribution(0.7)(rng_)) {
            button->click();
        } else {
            modal->close();
        }
    }

    std::mt19937_64& rng_;
    QString folder_;
    QTimer timer_;
    bool pending_ = false;
};

// The section and key names of a settings text, in order.
QByteArrayList Keys(const QByteArray& text) {
    QByteArrayList keys;
    for (const QByteArray& line : text.split('\n'))
        keys << line.left(line.indexOf('='));
    return keys;
}

// The file as a window that read it writes it back: the matrix page writes its result matrix C but
// never reads it, so a new window writes its own C.
QByteArray FileText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray kept;
    bool skipping = false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith('[')) skipping = line.trimmed() == "[MatrixC]";
        if (!skipping) kept += line + '\n';
    }
    return kept;
}

int Run(int steps, int minutes, long from) {
    QTemporaryDir dir;
    if (!dir.isValid()) Fail(QStringLiteral("no temporary folder"));
    const QString path = dir.filePath(QStringLiteral("Quillon.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("[Main]\nFirstStart=0\n") <= 0)
            Fail(QStringLiteral("cannot write ") + path);
    }
    std::mt19937_64 rng(seed);
    Answerer answerer(rng, dir.path());
    auto window = std::make_unique<TCalcForm>(path);
    window->show();

    const char* const menuItems[] = {"Options_Item", "Rates_Item", "Info_Item", "PrinterSetup_Item"};
    int reopenChecks = 0;
    for (int step = 1; step <= steps; ++step) {
        currentStep = step;
        Progress();
        if (step % 100 == 0 || step >= from) std::fprintf(stderr, "step %d\n", step);
        if (minutes > 0 && clock_.elapsed() > minutes * 60000LL) {
            std::fprintf(stderr, "time bound reached after %d steps\n", step - 1);
            break;
        }
        auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("Tessaly_PageControl"));
        QWidget* page = tabs->currentWidget();
        const int action = std::uniform_int_distribution<int>(0, 99)(rng);
        if (action < 8) {
            tabs->setCurrentIndex(std::uniform_int_distribution<int>(0, tabs->count() - 1)(rng));
        } else if (action < 50) {
            TypeInto(rng, Pick<QLineEdit>(rng, page));
        } else if (action < 80) {
            if (auto* button = Pick<QAbstractButton>(rng, page)) button->click();
        } else if (action < 84) {
            if (auto* memo = Pick<QPlainTextEdit>(rng, page); memo && !memo->isReadOnly())
                memo->setPlainText(RandomText(rng).left(500));
        } else if (action < 92) {
            const char* name =
                menuItems[std::uniform_int_distribution<std::size_t>(0, std::size(menuItems) - 1)(rng)];
            if (auto* item = window->findChild<QAction*>(QLatin1String(name)); item && item->isVisible())
                item->trigger();
        } else if (action < 95) {
            // The save and print items of the shown page, when it has a report.
            for (QAction* item : window->findChildren<QAction*>())
                if (item->isVisible() && (item->objectName().endsWith(QLatin1String("_Save_Item")) ||
                                          (item->objectName().endsWith(QLatin1String("_Print_Item")) &&
                                           std::bernoulli_distribution(0.1)(rng)))) {
                    item->trigger();
                    break;
                }
        } else {
            // Close and reopen; now and then under the other decimal separator.
            answerer.closedAnyway = false;
            if (!window->close()) {
                // A field that does not evaluate kept it open, as it should; the user mends the fields.
                // Also the disabled ones, which the user reaches by choosing another operation.
                for (QLineEdit* edit : window->findChildren<QLineEdit*>())
                    if (!edit->isReadOnly())
                        edit->setText(QString::number(std::uniform_int_distribution<int>(-99, 99)(rng)));
                QApplication::processEvents();
                if (!window->close()) {
                    QString left;
                    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
                        if (bool number = false; edit->text().toInt(&number), !number)
                            left += QStringLiteral("\n  %1%2%3: %4")
                                        .arg(edit->objectName(),
                                             edit->isEnabled() ? QString() : QStringLiteral(" (disabled)"),
                                             edit->isReadOnly() ? QStringLiteral(" (read-only)") : QString(),
                                             edit->text().left(60));
                    Fail(QStringLiteral("the window does not close with every field a number:") + left);
                }
            }
            // A restored field shows its value at the user's precision, and the value shown is the one
            // in use; so the first window on a file may write back rounded values (but every key), and
            // a second one must write exactly what it read. After "close anyway" the file stopped at a
            // bad field, so only the second window has a whole file to compare with.
            const bool partial = answerer.closedAnyway;
            QByteArray previous = FileText(path);
            for (int round = 0; round < 2; ++round) {
                window = std::make_unique<TCalcForm>(path);
                window->show();
                QApplication::processEvents();
                if (!window->close()) Fail(QStringLiteral("a window restored from the file does not close"));
                const QByteArray again = FileText(path);
                if (round == 0 ? !partial && Keys(again) != Keys(previous) : again != previous)
                    Fail(QStringLiteral(
                             "the settings file does not read back:\n--- written\n%1\n--- rewritten\n%2")
                             .arg(QString::fromUtf8(previous), QString::fromUtf8(again)));
                previous = again;
            }
            ++reopenChecks;
            // The next session now and then under the other decimal separator, as after a change of the
            // regional settings.
            if (std::bernoulli_distribution(0.3)(rng)) DecimalSeparator = DecimalSeparator == ',' ? '.' : ',';
            window = std::make_unique<TCalcForm>(path);
            window->show();
        }
        QApplication::processEvents();
        if (QWidget* modal = QApplication::activeModalWidget())
            Fail(QStringLiteral("a modal dialog was left open: ") + modal->objectName());
    }
    window->close();
    std::fprintf(stderr, "soak passed: seed %llu, %ld steps, %d reopen checks, %lld ms\n", seed,
                 currentStep.load(), reopenChecks, static_cast<long long>(clock_.elapsed()));
    return 0;
}

} // namespace
} // namespace quillon

int main(int argc, char** argv) {
    using namespace quillon;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int steps = 2000;
    int minutes = 0;
    long from = 1L << 30;
    seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--steps")
            steps = std::atoi(value);
        else if (option == "--seed")
            seed = std::strtoull(value, nullptr, 10);
        else if (option == "--minutes")
            minutes = std::atoi(value);
        else if (option == "--from")
            from = std::atol(value);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    DecimalSeparator = ',';
    clock_.start();
    std::fprintf(stderr, "soak: seed %llu, %d steps\n", seed, steps);

    // The watchdog: a step, or an answer to a dialog, must come at least every 5 s.
    std::thread([] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            if (clock_.elapsed() - lastProgress.load() > 5000)
                Fail(QStringLiteral("no progress for 5 s (hang)"));
        }
    }).detach();
    return Run(steps, minutes, from);
}
