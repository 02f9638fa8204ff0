#pragma once

#include "TGrupa.h"

#include <QStringList>

// A question's rows as the tests compare them: "text*" for a correct row.
inline QStringList describeRows(const TGrupa& g)
{
    QStringList out;
    for (const TGrupaItem& r : g.rows)
        out.append(r.correct ? r.text + u'*' : r.text);
    return out;
}
