#pragma once

#include <QStringList>

// quorvane-skin render: previews one item of a section as a control of that section and size is painted
// before its caption, over a plain parent colour.
class SkinRender {
public:
    // `options` are the words after "render". Bad options, an unknown section, an unloadable skin or an
    // unwritable picture end it with an Exception that says which.
    static void Run(const QStringList& options);
};
