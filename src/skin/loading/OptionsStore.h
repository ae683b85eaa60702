#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

// The options text of a skin, held in memory as sections of lines in file order. Lookups ignore case
// and find the first section or key of a name; later duplicates stay in the list for those who walk it.
class OptionsStore {
public:
    struct Line {
        QString Key;  // empty for a line without "="
        QString Value;
        bool HasKey = false;
    };
    struct Section {
        QString Name;
        std::vector<Line> Lines;
        QHash<QString, size_t> FirstLineOfKey;  // upper-case key -> index into Lines
    };

    // The text is in the Chinese national encoding, as skin files are.
    static OptionsStore Parse(const QByteArray& text);

    const std::vector<Section>& Sections() const { return sections_; }
    const Section* FindSection(const QString& name) const;
    // The index in Sections() of the first section of that name, or -1.
    int IndexOfSection(const QString& name) const;

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // An empty or missing value gives the default; any other value that is not a decimal integer fails
    // the load with a SkinError.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;

private:
    const Line* FindLine(const QString& section, const QString& key) const;

    std::vector<Section> sections_;
    // Loading a skin looks up thousands of keys: the first section and line of each name are indexed
    // once, by the upper-case name, instead of being searched for on each lookup.
    QHash<QString, size_t> firstSectionOfName_;
};
