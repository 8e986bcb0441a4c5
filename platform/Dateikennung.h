#pragma once

#include <QString>

// Whether two names give the same file: its device and inode. A symbolic
// link, a path with "..", and a hard link all lead to one file; a photo given
// under two of them would be two cards of one picture.

// The file's identity as text ("device:inode"), following symbolic links;
// empty when the file cannot be reached. Equal texts: the same file.
QString dateikennung(const QString& pfad);
