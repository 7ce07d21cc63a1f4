#include "script/ScriptEngine.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace cellvex;

namespace {

struct Engines : ::testing::Test
{
    std::vector<ScriptError> errors;
    std::unique_ptr<ScriptEngine> make(const char *language, int budgetMs = kScriptTimeBudgetMs)
    {
        return createScriptEngine(
            QString::fromLatin1(language), [this](const ScriptError &e) { errors.push_back(e); }, budgetMs);
    }
};

} // namespace

TEST_F(Engines, LanguagesAreNamedInAnyCase)
{
    EXPECT_TRUE(make("JAVASCRIPT"));
    EXPECT_TRUE(make("jscript"));
    EXPECT_TRUE(make("JavaScript"));
    EXPECT_TRUE(make("VBScript"));
    EXPECT_FALSE(make("Perl"));
    EXPECT_FALSE(make(" javascript")); // the name as stored, unchanged
}

TEST_F(Engines, CodeRunsAndExpressionsReadWhatItLeft)
{
    auto js = make("javascript");
    ASSERT_TRUE(js->addCode(QStringLiteral("execute1 = 0\r\nexecute1 = 1\r\nresult1 = 2*3")));
    QVariant value;
    QString text;
    ASSERT_TRUE(js->evaluate(QStringLiteral("execute1"), value, text));
    EXPECT_EQ(value.toInt(), 1);
    ASSERT_TRUE(js->evaluate(QStringLiteral("result1"), value, text));
    EXPECT_EQ(text, QStringLiteral("6"));
    ASSERT_TRUE(js->evaluate(QStringLiteral("0.1 + 0.2"), value, text));
    EXPECT_EQ(text, QStringLiteral("0.30000000000000004")); // the engine's own number text
    ASSERT_TRUE(js->evaluate(QStringLiteral("true"), value, text));
    EXPECT_EQ(text, QStringLiteral("true"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Engines, ErrorsArriveWithTheirPlaceBeforeTheCallFails)
{
    auto js = make("javascript");
    EXPECT_FALSE(js->addCode(QStringLiteral("a = 1\r\nb = (2\r\n")));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_GE(errors[0].line, 2);
    EXPECT_GT(errors[0].column, 0);
    EXPECT_FALSE(errors[0].description.isEmpty());

    errors.clear();
    EXPECT_FALSE(js->addCode(QStringLiteral("a = 1\r\nb = 2\r\nnoSuchThing()")));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 3);
    EXPECT_TRUE(errors[0].description.contains(QStringLiteral("noSuchThing")));

    // A thrown value that is no Error object fails as well.
    errors.clear();
    QVariant v;
    QString t;
    EXPECT_FALSE(js->evaluate(QStringLiteral("(function () { throw 'stop'; })()"), v, t));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].description, QStringLiteral("stop"));
}

TEST_F(Engines, ARunawayScriptIsStoppedAfterItsBudget)
{
    auto js = make("javascript", 200);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(js->addCode(QStringLiteral("while (true) {}")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].description.contains(QStringLiteral("200")));
    // The engine runs again afterwards.
    QVariant v;
    QString t;
    EXPECT_TRUE(js->evaluate(QStringLiteral("1 + 1"), v, t));
    EXPECT_EQ(t, QStringLiteral("2"));
}

TEST_F(Engines, VBScriptRunsBehindTheSameInterface)
{
    auto vbs = make("VBSCRIPT", 300);
    ASSERT_TRUE(
        vbs->addCode(QStringLiteral("execute1 = 0\r\nexecute1 = 1\r\nresult1 = \"41\" + 1\r\nflag = 1 > 0")));
    QVariant value;
    QString text;
    ASSERT_TRUE(vbs->evaluate(QStringLiteral("execute1"), value, text));
    EXPECT_EQ(value.toInt(), 1);
    ASSERT_TRUE(vbs->evaluate(QStringLiteral("result1"), value, text));
    EXPECT_EQ(text, QStringLiteral("42"));
    ASSERT_TRUE(vbs->evaluate(QStringLiteral("flag"), value, text));
    EXPECT_EQ(text, QStringLiteral("True")); // the language's own text of a boolean
    ASSERT_TRUE(vbs->evaluate(QStringLiteral("Null"), value, text));
    EXPECT_EQ(text, QString());
    EXPECT_TRUE(errors.empty());

    EXPECT_FALSE(vbs->addCode(QStringLiteral("a = 1\r\nb = 1 / 0")));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 2);
    EXPECT_EQ(errors[0].description, QStringLiteral("Division by zero"));

    errors.clear();
    EXPECT_FALSE(vbs->addCode(QStringLiteral("Do\r\nLoop")));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].description.contains(QStringLiteral("300")));
}
