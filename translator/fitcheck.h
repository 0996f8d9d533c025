#pragma once
// translator --check FILE.lsf: every text of the file that dietlens would cut,
// with its table and index, where it shows, the text as shown and by how much.
#include <QString>

#include "translator/trcommon.h"

#include <QStringList>

#include <QHash>
#include <QPair>

class LanguageTables;
class QTextStream;

// Where the text of table `form`, row `index` shows in dietlens, one line a
// place: where in words, the text as shown and whether it fits. None for a
// form dietlens does not show.
// With a picture of dietlens's window at the first place the text shows.
translator::DietlensPlaces DietlensFitsOf(const LanguageTables& tables, int form, int index);

// Every row whose text is cut or makes a dialog grow, by form and index:
// "Does not fit in dietlens: <where>: cut by 7 px", places joined by "; ".
QHash<QPair<int, int>, QString> DietlensCutsOf(const LanguageTables& tables);

// Lists every text that is cut or makes a window grow. 0 when none is cut, 1 when
// any is, 2 when the file cannot be read.
int CheckTextsFit(const QString& path, QTextStream& out);
