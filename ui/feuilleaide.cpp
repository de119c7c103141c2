#include "ui/feuilleaide.h"

#include "ui/captionlabel.h"
#include "ui/closeonescape.h"
#include "ui/twips.h"

#include <QIcon>
#include <QPushButton>

FeuilleAide::FeuilleAide(QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_ZoneHelp(new CaptionLabel(QStringLiteral("Label1"), this)),
      m_Command1(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("FeuilleAide"));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(this);
    setWindowTitle(QStringLiteral("Aide de la Chronalys pour CD4060"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icone.svg")));
    // The controls do not follow a resize, so the client area keeps its designed size.
    setFixedSize(twipsToPixels(11625), twipsToPixels(5460));

    m_ZoneHelp->setObjectName(QStringLiteral("ZoneHelp"));
    m_ZoneHelp->setWordWrap(true);
    // A short text starts at the top, as on paper; a long one is clipped at the bottom.
    m_ZoneHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A screenful of the smallest font holds a few thousand characters: a help file of many
    // megabytes would otherwise be laid out in full, only to be clipped.
    m_ZoneHelp->setDisplayLimit(20000);
    placeInTwips(m_ZoneHelp, 120, 120, 11415, 4815);

    m_Command1->setObjectName(QStringLiteral("Command1"));
    placeInTwips(m_Command1, 5280, 5040, 1095, 375);
    connect(m_Command1, &QPushButton::clicked, this, &FeuilleAide::Command1_Click);

    setTabOrder(m_ZoneHelp, m_Command1);
}

// Hidden, not closed: the window keeps its place for the next "Aide".
void FeuilleAide::Command1_Click() { hide(); }
