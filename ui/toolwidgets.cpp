#include "ui/toolwidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QString indexed(const char *name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

QLabel *makeLabel(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGroupBox *makeGroup(QWidget *column)
{
    auto *group = new QGroupBox(column);
    column->layout()->addWidget(group);
    return group;
}

void setColour(QLabel *label, const QColor &colour)
{
    if (label->palette().color(QPalette::WindowText) == colour)
        return; // a new palette repaints the label even when nothing changes
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

std::array<QWidget *, 2> twoColumns(QWidget *window, QVBoxLayout *whole)
{
    auto *columns = new QHBoxLayout;
    whole->addLayout(columns);
    std::array<QWidget *, 2> column{};
    for (QWidget *&c : column) {
        c = new QWidget(window);
        auto *layout = new QVBoxLayout(c);
        layout->setContentsMargins(0, 0, 0, 0);
        columns->addWidget(c, 0, Qt::AlignTop);
    }
    return column;
}
