#include "reference/ReferencePages.h"

#include "reference/EntryGroupPage.h"
#include "reference/FestiveSeasonsPage.h"
#include "reference/InformationPage.h"

namespace ReferencePages {

void build(QWidget* information, QWidget* festiveSeasons, QWidget* elements, QWidget* gods,
           QWidget* goddesses)
{
    new InformationPage(information);
    new FestiveSeasonsPage(festiveSeasons);
    new EntryGroupPage(elements, ReferenceContent::Elements);
    new EntryGroupPage(gods, ReferenceContent::Gods);
    new EntryGroupPage(goddesses, ReferenceContent::Goddesses);
}

} // namespace ReferencePages
