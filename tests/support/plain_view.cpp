#include "support/plain_view.h"

#include "calc/number_text.h"

namespace abaquino {

void PlainView::SetEntryText(std::string_view text)
{
    entry_ = text.substr(0, kEntryLimit);
    if (onEntryChange_) onEntryChange_();
}

}  // namespace abaquino
