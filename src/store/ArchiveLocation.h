#pragma once

#include <QString>

namespace brivane::store {

// Where the program's data lives: the program folder (the executable's
// folder, or BRIVANE_HOME when set, or the user's data folder when the
// executable's folder cannot be written), the default archive folder
// "myarcs" in it, and the shared folder that Net.txt may name.
class ArchiveLocation
{
public:
    static constexpr int kMaxPathText = 128;

    // With a trailing separator, as every data path is built on it.
    static QString programFolder();
    static QString defaultArchiveFolder(const QString& programFolder);

    // How many characters a text of 128 or more must lose to fit; 0 when it fits.
    static int excessLength(const QString& text);

    struct NetFile
    {
        bool present = false;   // the switch that says a shared folder is in use
        QString line;           // its first line, the shared folder
        bool folderExists = false;
    };
    // An empty or unreadable Net.txt reads as naming a missing folder.
    static NetFile readNetFile(const QString& defaultFolder);
    // Writes folder + CR LF; the text must be shorter than 128 characters.
    static bool writeNetFile(const QString& defaultFolder, const QString& folder, QString* error = nullptr);
    static bool removeNetFile(const QString& defaultFolder);
    static QString netFilePath(const QString& defaultFolder);
};

} // namespace brivane::store
