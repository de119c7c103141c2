#include "ui/feuilleaide.h"

#include "ui/aide.h"
#include "ui/captionlabel.h"
#include "ui/closeonescape.h"
#include "ui/twips.h"
#include "settings/commun.h"

#include <QEvent>
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
    retranslate();
}

void FeuilleAide::retranslate() { setWindowTitle(tr("Aide de la Chronalys pour CD4060")); }

void FeuilleAide::setTexteAide(const QString &texte)
{
    m_ZoneHelp->setCaption(texte);
    m_texteLu = true;
}

void FeuilleAide::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The file of the new language, else the French one; neither readable, the text stays.
        if (m_texteLu)
            if (const std::optional<QString> texte = lireAide(Commun::Chemin_Aide()))
                m_ZoneHelp->setCaption(*texte);
    }
    QWidget::changeEvent(event);
}

// Hidden, not closed: the window keeps its place for the next "Aide".
void FeuilleAide::Command1_Click() { hide(); }
