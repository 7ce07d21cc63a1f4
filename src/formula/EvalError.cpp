#include "formula/EvalError.h"

namespace cellvex {

namespace {

struct MessageEntry
{
    EvalError error;
    const char16_t *text;
};

// Stored reports and hosts compare these texts, quote characters included:
// the curly quotes around "(", ")" and "." are part of the messages, while the
// invalid-character message wraps the character in straight quotes.
constexpr MessageEntry kMessages[] = {
    {EvalError::Parse, u"公式解析发生错误"},
    {EvalError::DivisionByZero, u"除数为零"},
    {EvalError::ZeroToZero, u"零的零次方无意义"},
    {EvalError::LogOfNonPositive, u"零和负数没有自然对数"},
    {EvalError::RootOfNegative, u"不能取负数的平方根"},
    {EvalError::FactorialOfNegative, u"不能取负数的阶乘"},
    {EvalError::MissingClose, u"缺少“)”"},
    {EvalError::MissingOpen, u"缺少“(”"},
    {EvalError::MultiplePoints, u"数字包含多个“.”"},
    {EvalError::InvalidCharacter, u"存在无效字符"},
};

} // namespace

QString evalErrorMessage(EvalError error, QStringView invalid)
{
    for (const MessageEntry &entry : kMessages) {
        if (entry.error != error)
            continue;
        QString message = QString::fromUtf16(entry.text);
        if (error == EvalError::InvalidCharacter)
            message += u'"' + invalid.toString() + u'"';
        return message;
    }
    return QString();
}

} // namespace cellvex
