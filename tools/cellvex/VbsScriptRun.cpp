#include "VbsScriptRun.h"

#include "UiScriptObject.h"
#include "VbsControlHost.h"
#include "VbsQObjectHost.h"

#include "automation/ComInterfaces.h"
#include "control/CellvexControl.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>
#include <QWidget>

namespace cellvex {

using namespace automation;
using vbs::VbsCallKind;
using vbs::VbsHostError;

namespace {

// How WScript.Echo shows a value: as CStr would, so True is "True".
QString shown(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Nullptr:
        return QStringLiteral("Null");
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(v.toDouble(), 'g', 15);
    default:
        return v.toString();
    }
}

void writeLine(const QString &line)
{
    QTextStream out(stdout);
    out << line << "\n";
    out.flush();
}

bool is(const QString &name, const char *member)
{
    return name.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

// WScript.Arguments: Count / Length, Item(i) as the default member, For Each.
class ArgumentsObject : public vbs::VbsHostObject
{
public:
    explicit ArgumentsObject(QStringList args) : m_args(std::move(args)) {}
    QString typeName() const override { return QStringLiteral("Arguments"); }
    VbsHostError invoke(const QString &name, VbsCallKind kind, QVariantList &args, QVariant &result) override
    {
        if (kind != VbsCallKind::Get) {
            return {438, {}};
        }
        if (is(name, "count") || is(name, "length")) {
            result = int(m_args.size());
            return {};
        }
        if (name.isEmpty() || is(name, "item")) {
            if (args.size() != 1) {
                return {450, {}};
            }
            bool ok = false;
            int i = args[0].toInt(&ok);
            if (!ok || i < 0 || i >= m_args.size()) {
                return {9, {}};
            }
            result = m_args[i];
            return {};
        }
        return {438, {}};
    }
    bool enumerate(QVariantList &items) override
    {
        for (const QString &a : m_args) {
            items << a;
        }
        return true;
    }

private:
    QStringList m_args;
};

class WScriptObject : public vbs::VbsHostObject
{
public:
    WScriptObject(QStringList args, QString path)
        : m_arguments(std::make_shared<ArgumentsObject>(std::move(args))), m_path(std::move(path))
    {
    }
    QString typeName() const override { return QStringLiteral("WScript"); }
    VbsHostError invoke(const QString &name, VbsCallKind kind, QVariantList &args, QVariant &result) override
    {
        if (kind != VbsCallKind::Get) {
            return {438, {}};
        }
        if (is(name, "echo")) {
            QStringList parts;
            for (const QVariant &a : args) {
                parts << shown(a);
            }
            writeLine(parts.join(QLatin1Char(' ')));
            return {};
        }
        if (is(name, "arguments")) {
            if (args.isEmpty()) {
                result = QVariant::fromValue(vbs::VbsHostObjectPtr(m_arguments));
                return {};
            }
            QVariant item;
            return m_arguments->invoke(QString(), kind, args, result);
        }
        if (is(name, "scriptname")) {
            result = QFileInfo(m_path).fileName();
            return {};
        }
        if (is(name, "scriptfullname")) {
            result = QFileInfo(m_path).absoluteFilePath();
            return {};
        }
        if (is(name, "sleep")) {
            int ms = args.isEmpty() ? 0 : args[0].toInt();
            QThread::msleep(ulong(std::clamp(ms, 0, 60000)));
            QApplication::processEvents();
            return {};
        }
        return {438, {}};
    }

private:
    std::shared_ptr<ArgumentsObject> m_arguments;
    QString m_path;
};

// Host.Resize / Host.ProcessEvents / Host.Snapshot, as for JavaScript.
class HostWindowObject : public vbs::VbsHostObject
{
public:
    explicit HostWindowObject(QWidget &window) : m_window(window) {}
    QString typeName() const override { return QStringLiteral("Host"); }
    VbsHostError invoke(const QString &name, VbsCallKind, QVariantList &args, QVariant &result) override
    {
        if (is(name, "resize") && args.size() == 2) {
            m_window.resize(args[0].toInt(), args[1].toInt());
            return {};
        }
        if (is(name, "processevents")) {
            QApplication::processEvents();
            return {};
        }
        if (is(name, "snapshot") && args.size() == 1) {
            QApplication::processEvents();
            result = m_window.grab().toImage().save(args[0].toString(), "PNG");
            return {};
        }
        return {438, {}};
    }

private:
    QWidget &m_window;
};

const char *kPrelude = R"VBS(
Sub Print(text)
  WScript.Echo text
End Sub
)VBS";

} // namespace

int runVbScript(ICellvex &control, CellvexControl &widget, QWidget &window, const QString &path,
                const QString &source, const QStringList &args, bool show)
{
    QTextStream err(stderr);
    vbs::VbsEngine engine;
    engine.setLanguage(QStringLiteral("VBScript"));
    engine.setErrorHandler([&](const vbs::VbsEngine::Error &e) {
        err << path << ":" << e.line << ":" << e.column << ": " << e.source << " " << e.number << ": "
            << e.description << "\n";
        err.flush();
    });
    // Headless, no one answers: a message box is logged and answered OK, an
    // input box answered with nothing.
    engine.setMessageBoxHandler([&](const QString &prompt, int, const QString &title) {
        err << "script: MsgBox \"" << prompt << "\"" << (title.isEmpty() ? "" : " (") << title
            << (title.isEmpty() ? "" : ")") << " answered OK\n";
        return 1;
    });
    engine.setInputBoxHandler([&](const QString &prompt, const QString &, const QString &) {
        err << "script: InputBox \"" << prompt << "\" answered with nothing\n";
        return QString();
    });
    engine.addObject(QStringLiteral("Cellvex"), std::make_shared<VbsControlObject>(control));
    engine.addObject(QStringLiteral("WScript"), std::make_shared<WScriptObject>(args, path));
    engine.addObject(QStringLiteral("Host"), std::make_shared<HostWindowObject>(window));
    UiScriptObject ui(widget);
    engine.addObject(QStringLiteral("Ui"), std::make_shared<VbsQObjectHost>(&ui, true));

    VbsEventSink sink(engine);
    IConnectionPoint *cp = nullptr;
    std::uint32_t cookie = 0;
    if (succeeded(control.QueryInterface(IID_IConnectionPoint, reinterpret_cast<void **>(&cp))) && cp) {
        cp->Advise(&sink, &cookie);
    }
    int status = 0;
    if (!engine.addCode(QString::fromUtf8(kPrelude)) || !engine.addCode(source)) {
        status = 1;
    } else if (show) {
        QApplication::exec();
    }
    if (cp) {
        cp->Unadvise(cookie);
        // QueryInterface added a reference to the object behind the connection point.
        control.Release();
    }
    return status;
}

} // namespace cellvex
