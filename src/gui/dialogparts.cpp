#include "dialogparts.h"

#include "session/help.h"
#include "windowcontext.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenuBar>

namespace arvex {

QString ElementName(const char* name, int index) {
  return QString::fromLatin1(name) + u'_' + QString::number(index);
}

void AddHelpMenu(QWidget* window, QBoxLayout* layout, const WindowContext& context, const QString& topic) {
  auto* menu = new QMenuBar(window);
  QAction* help = menu->addAction(kHelpMenuCaption);
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->setShortcut(QKeySequence::HelpContents);
  QObject::connect(help, &QAction::triggered, window, [&context, topic] { context.ShowHelp(topic); });
  layout->setMenuBar(menu);
}

}  // namespace arvex
