#include "Test2Binding.h"

QString InstructionInLanguage(const TXMLPolecenieTypeList& list, int language)
{
    for (const TXMLPolecenieType p : list)
        if (p.id() == language)
            return p.text();
    return {};
}
