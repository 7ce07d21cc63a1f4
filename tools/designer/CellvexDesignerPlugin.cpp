#include "CellvexDesignerPlugin.h"

#include "control/CellvexWidget.h"

#include <QIcon>

CellvexDesignerPlugin::CellvexDesignerPlugin(QObject *parent) : QObject(parent) {}

QString CellvexDesignerPlugin::name() const
{
    // Designer writes this class name into .ui files and the generated code.
    return QStringLiteral("cellvex::CellvexWidget");
}

QString CellvexDesignerPlugin::group() const
{
    return QStringLiteral("Cellvex");
}

QString CellvexDesignerPlugin::toolTip() const
{
    return QStringLiteral("Cellvex report grid");
}

QString CellvexDesignerPlugin::whatsThis() const
{
    return QStringLiteral("A spreadsheet-like report designer and data-entry grid; "
                          "CellvexWidget::control() gives its ICellvex members.");
}

QString CellvexDesignerPlugin::includeFile() const
{
    return QStringLiteral("cellvex/Cellvex.h");
}

QIcon CellvexDesignerPlugin::icon() const
{
    return QIcon();
}

bool CellvexDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *CellvexDesignerPlugin::createWidget(QWidget *parent)
{
    return new cellvex::CellvexWidget(parent);
}

QString CellvexDesignerPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
 <widget class="cellvex::CellvexWidget" name="cellvexWidget">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>480</width><height>320</height></rect>
  </property>
 </widget>
</ui>
)");
}
