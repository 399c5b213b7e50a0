#include "pages/GuiTest.h"

#include "core/FloatError.h"
#include "pages/ErrorDisplay.h"
#include "pages/Mnemonics.h"
#include "text/AllText.h"

namespace quillon::test {
namespace {

TEST(MnemonicsTest, EachCaptionGetsAFreeLetter) {
    struct Row {
        const char* name;
        QStringList captions;
        QString taken;
        QStringList expected;
    } rows[] = {
        {"first letters", {"Datei", "Ansicht", "Optionen"}, {}, {"&Datei", "&Ansicht", "&Optionen"}},
        {"later word, then any letter", {"Print", "Printer setup", "Save"}, {}, {"&Print", "Printer &setup", "S&ave"}},
        {"equal captions share", {"Save", "Save", "Sair"}, {}, {"&Save", "&Save", "S&air"}},
        {"taken letters and an ampersand", {"C&A"}, {"c"}, {"C&&&A"}},
        {"no letter left", {"a", "A"}, {}, {"&a", "A"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QStringList texts = WithMnemonics(row.captions, row.taken);
        EXPECT_EQ(texts, row.expected);
        for (const QString& text : texts)
            EXPECT_EQ(Plain(text), row.captions[texts.indexOf(text)]);
    }
    EXPECT_EQ(MnemonicOf("C&&&A"), QChar('a'));
    EXPECT_TRUE(MnemonicOf("C&&A").isNull());
}

// The display words every error from the text table: in German exactly the error's own text, in every
// other language a text of its own that still names the part of the formula.
TEST(ErrorMessageTest, EveryKindInEveryLanguage) {
    std::vector<std::unique_ptr<std::exception>> errors;
    for (FloatErrorKind kind : {FloatErrorKind::InvalidOperation, FloatErrorKind::DivisionByZero, FloatErrorKind::Overflow})
        errors.push_back(std::make_unique<FloatError>(kind));
    errors.push_back(std::make_unique<ConversionError>("1,2,3"));
    for (int k = 0; k < FormulaErrorKindCount; ++k)
        errors.push_back(std::make_unique<FormulaError>(static_cast<FormulaErrorKind>(k), "ln(7"));
    const int saved = LangIndex;
    for (const auto& error : errors) {
        SCOPED_TRACE(error->what());
        LangIndex = 0;
        EXPECT_EQ(ErrorMessage(*error), QString::fromUtf8(error->what()));
        const bool named = std::string_view(error->what()).find("ln(7") != std::string_view::npos ||
                           std::string_view(error->what()).find("1,2,3") != std::string_view::npos;
        for (LangIndex = 1000; LangIndex <= 4000; LangIndex += 1000) {
            const QString message = ErrorMessage(*error);
            EXPECT_FALSE(message.isEmpty()) << LangIndex;
            EXPECT_NE(message, QString::fromUtf8(error->what())) << LangIndex;
            EXPECT_EQ(message.contains("ln(7") || message.contains("1,2,3"), named) << LangIndex;
            EXPECT_FALSE(message.contains("%s")) << LangIndex;
        }
    }
    LangIndex = saved;
}

} // namespace
} // namespace quillon::test
