#pragma once

#include "formula/EvalError.h"
#include "formula/EvalToken.h"

#include <QStringView>
#include <string>
#include <vector>

namespace cellvex {

// Evaluates arithmetic text such as "2*(3+4)^2 - sqrt(16)".
//
// A reader takes one primary operand and at most one operator after it; four
// recursive levels (sum, product, power, function) consume the operator, and a
// stack of operator priorities tells the reader whether it may take the next
// operator or must leave it to an outer level. Stored reports rely on what
// this design does: "-" is a sign only first in the text or directly after
// "(", spaces inside numbers are skipped, "^" is left-associative and a
// function takes a single primary ("sqrt 4+1" is 3).
//
// One object runs one evaluation at a time and keeps its buffers between
// evaluations, so repeated use does not allocate.
class ExpressionEvaluator
{
public:
    // Deeper parenthesis nesting is a parse error rather than a stack overflow.
    static constexpr int kMaxDepth = 128;

    // On success returns EvalError::None and sets value (0 for "()").
    EvalError evaluate(QStringView text, double &value);

    // The character an InvalidCharacter failure is about (a surrogate pair
    // stays whole), viewed in the text last evaluated; empty otherwise.
    QStringView invalidCharacter() const;

private:
    void fail(EvalError error);
    bool failed() const { return m_error != EvalError::None; }

    void readPrimary();
    bool readGroup();
    bool readName(bool &isPi);
    void readOperator(QChar c);
    void pushOperand(bool isPi, int points);

    void sumLevel();
    void binaryLevel(int priority);
    void functionLevel();
    void firstPrimaryDone(std::size_t valuesBefore);
    void combine(EvalToken op);

    QStringView m_text;
    qsizetype m_pos = 0;
    EvalToken m_token = EvalToken::None;
    std::vector<int> m_priorities;
    std::vector<double> m_values;
    // One entry per open expression: a leading "-" waits for its first primary.
    std::vector<char> m_pendingSigns;
    int m_depth = 0;
    EvalError m_error = EvalError::None;
    qsizetype m_invalidAt = 0;
    std::string m_literal;
};

} // namespace cellvex
