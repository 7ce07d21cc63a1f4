#pragma once

#include "automation/AutomationObject.h"

#include <QFont>
#include <QObject>

namespace cellvex {

// The standard font object of the Font property: name, size in points,
// bold, italic, underline, strike-through, character set and weight. The
// control owns one that mirrors its form font; setting a field applies it.
class FontObject : public QObject, public automation::AutomationObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ name WRITE setName)
    Q_PROPERTY(double Size READ size WRITE setSize)
    Q_PROPERTY(bool Bold READ bold WRITE setBold)
    Q_PROPERTY(bool Italic READ italic WRITE setItalic)
    Q_PROPERTY(bool Underline READ underline WRITE setUnderline)
    Q_PROPERTY(bool Strikethrough READ strikethrough WRITE setStrikethrough)
    Q_PROPERTY(int Charset READ charset WRITE setCharset)
    Q_PROPERTY(int Weight READ weight WRITE setWeight)
public:
    explicit FontObject(QObject *parent = nullptr) : QObject(parent) {}

    QString name() const { return m_font.family(); }
    void setName(const QString &v);
    double size() const { return m_font.pointSizeF(); }
    void setSize(double v);
    bool bold() const { return m_font.bold(); }
    void setBold(bool v);
    bool italic() const { return m_font.italic(); }
    void setItalic(bool v);
    bool underline() const { return m_font.underline(); }
    void setUnderline(bool v);
    bool strikethrough() const { return m_font.strikeOut(); }
    void setStrikethrough(bool v);
    int charset() const { return m_charset; }
    void setCharset(int v) { m_charset = v; }
    // Windows weights: 400 normal, 700 bold.
    int weight() const { return m_font.bold() ? 700 : 400; }
    void setWeight(int v);

    const QFont &font() const { return m_font; }
    void setFont(const QFont &f) { m_font = f; }
    void copyFrom(const FontObject &other);

signals:
    // A field was set through the object (not by setFont).
    void fontChanged(const QFont &font);

private:
    void changed();
    QFont m_font;
    int m_charset = 1;
};

} // namespace cellvex
