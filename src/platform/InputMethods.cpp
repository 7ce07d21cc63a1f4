#include "InputMethods.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

namespace cellvex {

namespace {

// IBus is the input framework that can list its engines from the command
// line; other frameworks (fcitx, none) list nothing, and names then only
// switch input-method use on the editor off.
bool ibusSession()
{
    const QByteArray qt = qgetenv("QT_IM_MODULE");
    const QByteArray x = qgetenv("XMODIFIERS");
    return qt.startsWith("ibus") || x.contains("@im=ibus");
}

class DesktopInputMethods : public InputMethods
{
public:
    QStringList installed() override
    {
        if (!m_listed) {
            m_listed = true;
            m_names = listIbusEngines();
        }
        return m_names;
    }

    void activate(const QString &name) override
    {
        if (!m_ibus.isEmpty())
            QProcess::startDetached(m_ibus, {QStringLiteral("engine"), name});
    }

private:
    QStringList listIbusEngines()
    {
        if (!ibusSession())
            return {};
        m_ibus = QStandardPaths::findExecutable(QStringLiteral("ibus"));
        if (m_ibus.isEmpty())
            return {};
        QProcess p;
        p.start(m_ibus, {QStringLiteral("list-engine"), QStringLiteral("--name-only")});
        // A session that does not answer quickly lists nothing rather than hang the editor.
        if (!p.waitForFinished(2000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            p.kill();
            return {};
        }
        QStringList names;
        for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
            const QString n = line.trimmed();
            if (!n.isEmpty() && !n.endsWith(QLatin1Char(':'))) // group headings end with ':'
                names << n;
        }
        return names;
    }

    bool m_listed = false;
    QStringList m_names;
    QString m_ibus;
};

InputMethods *s_replaced = nullptr;

} // namespace

InputMethods &inputMethods()
{
    static DesktopInputMethods desktop;
    return s_replaced ? *s_replaced : desktop;
}

void setInputMethods(InputMethods *service)
{
    s_replaced = service;
}

void InputMethods::apply(QWidget *editor, const QString &name)
{
    if (!editor || name.isEmpty())
        return;
    const bool known = installed().contains(name);
    if (editor->testAttribute(Qt::WA_InputMethodEnabled) != known) {
        editor->setAttribute(Qt::WA_InputMethodEnabled, known);
        // The session looks at the focused editor again.
        if (editor->hasFocus())
            QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    }
    if (known)
        activate(name);
}

} // namespace cellvex
