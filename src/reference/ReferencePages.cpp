#include "reference/ReferencePages.h"

namespace ReferencePages {

void build(QWidget*, QWidget*, QWidget*, QWidget*, QWidget*)
{
}

} // namespace ReferencePages
