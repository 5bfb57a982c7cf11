#include "masterdata/pickers.h"

CallerWords<ComboTarget>& unitCallers()
{
    static CallerWords<ComboTarget> words;
    return words;
}
