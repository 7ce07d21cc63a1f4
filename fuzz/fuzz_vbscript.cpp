// The VBScript engine on arbitrary text: the lexer, the parser and the
// interpreter. The text runs as a script under a small instruction budget,
// then as an expression; a host object takes calls so that the host path
// runs too. Any crash, sanitizer report or hang is a finding; script errors
// are expected.

#include "script/vbscript/VbsEngine.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

class Echo : public cellvex::vbs::VbsHostObject
{
public:
    cellvex::vbs::VbsHostError invoke(const QString &name, cellvex::vbs::VbsCallKind, QVariantList &args,
                                      QVariant &result) override
    {
        if (name.compare(QLatin1String("echo"), Qt::CaseInsensitive) == 0) {
            if (!args.isEmpty()) {
                args[0] = args[0].toString().left(8);
            }
            result = qsizetype(args.size());
            return {};
        }
        return {438, {}};
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 4096) {
        return 0;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    cellvex::vbs::VbsEngine engine;
    engine.setLanguage(QStringLiteral("VBScript"));
    engine.setInstructionBudget(20000);
    engine.addObject(QStringLiteral("WScript"), std::make_shared<Echo>());
    engine.addCode(text);
    QVariant v;
    engine.evaluate(text, &v);
    QVariantList args{1, QStringLiteral("a")};
    engine.call(QStringLiteral("f"), args);
    return 0;
}
