#include "ui/buttongroup.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace palmora {

void uncheckAll(QButtonGroup *group)
{
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    const QList<QAbstractButton *> buttons = group->buttons();
    for (QAbstractButton *button : buttons)
        button->setChecked(false);
    group->setExclusive(exclusive);
}

} // namespace palmora
