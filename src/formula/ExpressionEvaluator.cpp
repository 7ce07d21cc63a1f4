#include "formula/ExpressionEvaluator.h"

#include "formula/EvalArithmetic.h"

#include <algorithm>
#include <charconv>

namespace cellvex {

namespace {

constexpr double kPi = 3.141592653589793;

// Priorities on the priority stack: 0 is the bottom and every "(", 1 the
// sums, 2 the products, 3 powers and a function reading its argument.
constexpr int kSumPriority = 1;
constexpr int kProductPriority = 2;
constexpr int kPowerPriority = 3;

struct OperatorEntry
{
    char16_t character;
    EvalToken token;
    int priority;
};

constexpr OperatorEntry kOperators[] = {
    {u'+', EvalToken::Plus, kSumPriority},           {u'-', EvalToken::Minus, kSumPriority},
    {u'*', EvalToken::Times, kProductPriority},      {u'/', EvalToken::Divide, kProductPriority},
    {u'\\', EvalToken::IntDivide, kProductPriority}, {u'%', EvalToken::Remainder, kProductPriority},
    {u'^', EvalToken::Power, kPowerPriority},
};

struct NameEntry
{
    const char *name; // lower case
    qsizetype length;
    EvalToken token; // None for the constant pi
};

constexpr NameEntry kNames[] = {
    {"pi", 2, EvalToken::None},       {"ln", 2, EvalToken::Ln},   {"sin", 3, EvalToken::Sin},
    {"cos", 3, EvalToken::Cos},       {"exp", 3, EvalToken::Exp}, {"abs", 3, EvalToken::Abs},
    {"fac", 3, EvalToken::Fac},       {"tan", 3, EvalToken::Tan}, {"sqrt", 4, EvalToken::Sqrt},
    {"arctan", 6, EvalToken::Arctan},
};

bool isDigitOrPoint(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.';
}

// Names ignore case, but only ASCII letters fold: a full-width letter is
// simply an invalid character.
bool nameAt(QStringView text, qsizetype pos, const NameEntry &entry)
{
    if (text.size() - pos < entry.length)
        return false;
    for (qsizetype i = 0; i < entry.length; ++i) {
        char16_t c = text[pos + i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + (u'a' - u'A'));
        if (c != static_cast<char16_t>(entry.name[i]))
            return false;
    }
    return true;
}

// A literal without exponent can leave the range of doubles only by being
// huge (a nonzero digit before the point) or by being too small, which is 0.
bool hasWholePart(const std::string &literal)
{
    for (char c : literal) {
        if (c == '.')
            return false;
        if (c != '0')
            return true;
    }
    return false;
}

// The priority of a binary operator token; 0 for any other token.
int binaryPriority(EvalToken t)
{
    for (const OperatorEntry &entry : kOperators)
        if (entry.token == t)
            return entry.priority;
    return 0;
}

} // namespace

EvalError ExpressionEvaluator::evaluate(QStringView text, double &value)
{
    m_text = text;
    m_pos = 0;
    m_token = EvalToken::None;
    m_priorities.assign(1, 0);
    m_values.clear();
    m_pendingSigns.clear();
    m_depth = 0;
    m_error = EvalError::None;
    m_invalidAt = 0;

    sumLevel();
    if (failed()) {
        value = 0;
        return m_error;
    }
    value = m_values.empty() ? 0.0 : m_values.front();
    return EvalError::None;
}

QStringView ExpressionEvaluator::invalidCharacter() const
{
    if (m_error != EvalError::InvalidCharacter)
        return {};
    qsizetype units = 1;
    if (m_text[m_invalidAt].isHighSurrogate() && m_invalidAt + 1 < m_text.size() &&
        m_text[m_invalidAt + 1].isLowSurrogate())
        units = 2;
    return m_text.mid(m_invalidAt, units);
}

void ExpressionEvaluator::fail(EvalError error)
{
    // Only the first error is reported.
    if (m_error == EvalError::None)
        m_error = error;
}

// Reads one primary (number, pi or parenthesised expression) and then at most
// one token: a function name where an operand may begin, or an operator whose
// priority beats the one on top of the priority stack. A weaker operator stays
// unread for the outer level that owns it.
void ExpressionEvaluator::readPrimary()
{
    m_token = EvalToken::None;
    m_literal.clear();
    bool haveOperand = false;
    bool isPi = false;
    bool justClosed = false;
    int points = 0;

    while (m_pos < m_text.size()) {
        const QChar c = m_text[m_pos];
        if (c == u' ') {
            ++m_pos;
            continue;
        }
        if (c == u'(' && !haveOperand && !justClosed) {
            if (!readGroup())
                return;
            justClosed = true;
            continue;
        }
        if (c == u')') {
            if (m_depth > 0)
                break; // the "(" that opened this level consumes it
            fail(EvalError::MissingOpen);
            return;
        }
        if (isDigitOrPoint(c) && !isPi && !justClosed) {
            if (c == u'.')
                points = std::min(points + 1, 2);
            m_literal.push_back(static_cast<char>(c.unicode()));
            ++m_pos;
            haveOperand = true;
            continue;
        }
        if (!haveOperand && !justClosed && readName(isPi)) {
            if (isPi) {
                haveOperand = true;
                continue;
            }
            break; // a function name is the token
        }
        readOperator(c);
        break;
    }
    if (haveOperand && !failed())
        pushOperand(isPi, points);
}

bool ExpressionEvaluator::readGroup()
{
    // Each open "(" costs a handful of stack frames.
    if (m_depth >= kMaxDepth) {
        fail(EvalError::Parse);
        return false;
    }
    ++m_pos;
    m_priorities.push_back(0);
    ++m_depth;
    sumLevel();
    if (failed())
        return false;
    m_priorities.pop_back();
    if (m_pos < m_text.size() && m_text[m_pos] == u')') {
        ++m_pos;
        --m_depth;
        return true;
    }
    fail(EvalError::MissingClose);
    return false;
}

// Matches pi or a function name at the position. Sets isPi for the constant,
// the token for a function.
bool ExpressionEvaluator::readName(bool &isPi)
{
    for (const NameEntry &entry : kNames) {
        if (!nameAt(m_text, m_pos, entry))
            continue;
        m_pos += entry.length;
        if (entry.token == EvalToken::None)
            isPi = true;
        else
            m_token = entry.token;
        return true;
    }
    return false;
}

void ExpressionEvaluator::readOperator(QChar c)
{
    for (const OperatorEntry &op : kOperators) {
        if (op.character != c.unicode())
            continue;
        if (op.priority > m_priorities.back()) {
            m_token = op.token;
            ++m_pos;
        }
        return;
    }
    m_invalidAt = m_pos;
    fail(EvalError::InvalidCharacter);
}

void ExpressionEvaluator::pushOperand(bool isPi, int points)
{
    if (isPi) {
        m_values.push_back(kPi);
        return;
    }
    if (points > 1) {
        fail(EvalError::MultiplePoints);
        return;
    }
    double value = 0;
    const char *first = m_literal.data();
    const char *last = first + m_literal.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        if (hasWholePart(m_literal)) {
            fail(EvalError::Parse); // overflow
            return;
        }
        value = 0;
    } else if (ec != std::errc() || end != last) {
        fail(EvalError::Parse); // a lone "."
        return;
    }
    m_values.push_back(value);
}

void ExpressionEvaluator::sumLevel()
{
    // This level starts either the whole text or the text right after "(":
    // only there is "-" a sign.
    const bool sign = m_pos < m_text.size() && m_text[m_pos] == u'-';
    if (sign)
        ++m_pos;
    m_pendingSigns.push_back(sign ? 1 : 0);

    binaryLevel(kSumPriority);
    if (failed())
        return;
    m_pendingSigns.pop_back();
}

// The operators of one priority, left to right, over operands of the next.
void ExpressionEvaluator::binaryLevel(int priority)
{
    const auto operand = [this, priority] {
        if (priority == kPowerPriority)
            functionLevel();
        else
            binaryLevel(priority + 1);
    };
    operand();
    if (failed())
        return;
    while (binaryPriority(m_token) == priority) {
        const EvalToken op = m_token;
        m_priorities.push_back(priority);
        operand();
        if (failed())
            return;
        combine(op);
        if (failed())
            return;
        m_priorities.pop_back();
        // Picks up an operator the right operand left unread.
        operand();
        if (failed())
            return;
    }
}

void ExpressionEvaluator::functionLevel()
{
    const std::size_t valuesBefore = m_values.size();
    readPrimary();
    if (failed())
        return;
    while (isFunctionToken(m_token)) {
        const EvalToken function = m_token;
        // No operator outranks this priority, so the argument is one primary.
        m_priorities.push_back(kPowerPriority);
        const std::size_t argumentAt = m_values.size();
        readPrimary();
        if (failed())
            return;
        // A missing argument ("sin cos 0", "sqrt -4") must not take a value
        // the enclosing expression left on the stack.
        if (m_values.size() != argumentAt + 1) {
            fail(EvalError::Parse);
            return;
        }
        double result = 0;
        const EvalError error = applyFunction(function, m_values.back(), result);
        if (error != EvalError::None) {
            fail(error);
            return;
        }
        m_values.back() = result;
        m_priorities.pop_back();
        readPrimary();
        if (failed())
            return;
    }
    firstPrimaryDone(valuesBefore);
}

// A pending sign negates the first primary of its expression, a function
// with its argument counting as one primary: -2^2 is 4, -sqrt 4 is -2.
void ExpressionEvaluator::firstPrimaryDone(std::size_t valuesBefore)
{
    char &pending = m_pendingSigns.back();
    if (!pending)
        return;
    pending = 0;
    // "-" alone or before "()" has nothing to negate.
    if (m_values.size() != valuesBefore + 1) {
        fail(EvalError::Parse);
        return;
    }
    m_values.back() = -m_values.back();
}

void ExpressionEvaluator::combine(EvalToken op)
{
    if (m_values.size() < 2) {
        fail(EvalError::Parse); // an operand is missing
        return;
    }
    const double b = m_values.back();
    m_values.pop_back();
    double result = 0;
    const EvalError error = applyOperator(op, m_values.back(), b, result);
    if (error != EvalError::None) {
        fail(error);
        return;
    }
    m_values.back() = result;
}

} // namespace cellvex
