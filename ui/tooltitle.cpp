#include "ui/tooltitle.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char *TitleProperty = "chronalysToolTitle";
constexpr const char *OriginProperty = "chronalysDesignOrigin";

void showTitle(QWidget *tool)
{
    const QString title = tool->property(TitleProperty).toString();
    const QString origin = tool->property(OriginProperty).toString();
    tool->setWindowTitle(origin.isEmpty() ? title
                                          : QCoreApplication::translate("ToolTitle", "%1 — %2").arg(title, origin));
}

} // namespace

void setToolTitle(QWidget *tool, const QString &title)
{
    tool->setProperty(TitleProperty, title);
    showTitle(tool);
}

void setDesignOrigin(QWidget *tool, const QString &origin)
{
    tool->setProperty(OriginProperty, origin);
    showTitle(tool);
}
