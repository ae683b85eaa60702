#include "bank/SqlText.h"

QString SqlQuoted(QString text) {
    return u'\'' + text.replace(u'\'', QStringLiteral("''")) + u'\'';
}
