#include "pages/Mnemonics.h"

#include <QAction>

namespace quillon {
namespace {

bool Usable(QChar c) {
    return c.isLetterOrNumber();
}

// Where in caption the mnemonic goes, or -1: the first free letter by the order of preference.
qsizetype Choose(const QString& caption, const QString& used) {
    const auto free = [&](qsizetype i) { return Usable(caption[i]) && !used.contains(caption[i].toLower()); };
    for (qsizetype i = 0; i < caption.size(); ++i)
        if ((i == 0 || caption[i - 1].isSpace()) && free(i)) return i;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (free(i)) return i;
    return -1;
}

} // namespace

QStringList WithMnemonics(const QStringList& captions, const QString& taken) {
    QString used = taken;
    QStringList result;
    for (qsizetype n = 0; n < captions.size(); ++n) {
        const QString& caption = captions[n];
        if (const qsizetype same = captions.indexOf(caption); same < n) {
            result << result[same];
            continue;
        }
        const qsizetype at = Choose(caption, used);
        QString text = caption;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (at >= 0) {
            used += caption[at].toLower();
            // Each "&" before the letter became two.
            text.insert(at + caption.left(at).count(QLatin1Char('&')), QLatin1Char('&'));
        }
        result << text;
    }
    return result;
}

QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return {};
}

void SetMenuTexts(const QList<std::pair<QAction*, QString>>& items) {
    QStringList captions;
    for (const auto& item : items)
        captions << item.second;
    const QStringList texts = WithMnemonics(captions);
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i].first->setText(texts[i]);
}

} // namespace quillon
