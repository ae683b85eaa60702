#include "skin/loading/OptionsStore.h"

#include "platform/GbkText.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinLimits.h"
#include "skin/loading/SkinNumbers.h"

namespace {

// Blanks and control characters alike, as the classic text trimming does.
QStringView Strip(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.sliced(begin, end - begin);
}

}  // namespace

OptionsStore OptionsStore::Parse(const QByteArray& text) {
    if (text.size() > SkinLimits::kOptionsBytes)
        throw SkinError(QStringLiteral("皮肤选项文本过长（超过 %1 字节）。").arg(SkinLimits::kOptionsBytes));
    OptionsStore store;
    const QString decoded = DecodeGbk(text);
    const QStringView all(decoded);
    qsizetype start = 0;
    while (start <= all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const QStringView line = Strip(all.sliced(start, end - start));
        // CR LF ends one line, not two.
        start = end + ((end + 1 < all.size() && all[end] == u'\r' && all[end + 1] == u'\n') ? 2 : 1);

        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
            if (store.sections_.size() >= SkinLimits::kSections)
                throw SkinError(QStringLiteral("皮肤选项的节数超过 %1。").arg(SkinLimits::kSections));
            store.sections_.push_back({Strip(line.sliced(1, line.size() - 2)).toString(), {}, {}});
            continue;
        }
        if (store.sections_.empty())
            continue;
        Line parsed;
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0) {
            parsed.Key = Strip(line.first(equals)).toString();
            parsed.Value = Strip(line.sliced(equals + 1)).toString();
            parsed.HasKey = true;
        } else {
            parsed.Value = line.toString();
        }
        Section& current = store.sections_.back();
        if (parsed.HasKey && !current.FirstLineOfKey.contains(parsed.Key.toUpper()))
            current.FirstLineOfKey.insert(parsed.Key.toUpper(), current.Lines.size());
        current.Lines.push_back(std::move(parsed));
    }
    for (size_t i = 0; i < store.sections_.size(); ++i) {
        if (!store.firstSectionOfName_.contains(store.sections_[i].Name.toUpper()))
            store.firstSectionOfName_.insert(store.sections_[i].Name.toUpper(), i);
    }
    return store;
}

const OptionsStore::Section* OptionsStore::FindSection(const QString& name) const {
    const int index = IndexOfSection(name);
    return index < 0 ? nullptr : &sections_[static_cast<std::size_t>(index)];
}

int OptionsStore::IndexOfSection(const QString& name) const {
    const auto found = firstSectionOfName_.constFind(name.toUpper());
    return found == firstSectionOfName_.cend() ? -1 : static_cast<int>(*found);
}

const OptionsStore::Line* OptionsStore::FindLine(const QString& section, const QString& key) const {
    const Section* found = FindSection(section);
    if (!found)
        return nullptr;
    const auto line = found->FirstLineOfKey.constFind(key.toUpper());
    return line == found->FirstLineOfKey.cend() ? nullptr : &found->Lines[*line];
}

QString OptionsStore::ReadString(const QString& section, const QString& key, const QString& defaultValue) const {
    const Line* line = FindLine(section, key);
    return line ? line->Value : defaultValue;
}

int OptionsStore::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    const Line* line = FindLine(section, key);
    if (!line || line->Value.isEmpty())
        return defaultValue;
    return SkinNumbers::Require(line->Value, QStringLiteral("[%1] %2").arg(section, key));
}
