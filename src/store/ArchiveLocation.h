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

    // Gives the process the program's names ("Brivane Organizer" of
    // "Brivane"). An installed copy keeps its archive in the per-user data
    // folder made of them, so every program that looks for the archive, the
    // window and the terminal agenda alike, sets them first.
    static void nameTheProgram();
    // With a trailing separator, as every data path is built on it.
    static QString programFolder();
    static QString defaultArchiveFolder(const QString& programFolder);

    // How many characters a text of 128 or more must lose to fit; 0 when it fits.
    static int excessLength(const QString& text);

    struct NetFile
    {
        enum class Problem { None, Unreadable, TooLong };

        bool present = false;   // the switch that says a shared folder is in use
        QString line;           // its first line, the shared folder as written
        QString folder;         // that folder; a relative one is taken from the default folder
        bool folderExists = false;
        Problem problem = Problem::None;
        QString message;        // why the file is refused, for the user
    };
    // Reads line 1 of Net.txt. A file that is empty or not text, or whose
    // path is longer than the Change button accepts, is refused: the run
    // goes on in the default folder and `message` says why.
    static NetFile readNetFile(const QString& defaultFolder);
    // The Change button's refusal of a path text of 128 characters or more.
    static QString tooLongText(const QString& text);
    // Writes folder + CR LF; the text must be shorter than 128 characters.
    // A new Net.txt is readable by the user only.
    static bool writeNetFile(const QString& defaultFolder, const QString& folder, QString* error = nullptr);
    static bool removeNetFile(const QString& defaultFolder);
    static QString netFilePath(const QString& defaultFolder);
};

} // namespace brivane::store
