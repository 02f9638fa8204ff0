#pragma once

#include "Failure.h"
#include "Installation.h"
#include "TUser.h"
#include "UserList.h"

#include <functional>

// Creating, changing and removing profiles: the list line and the learner's
// files and folders under AppDir\Users, named by the profile's Id:
//   <id>_stat.xml, <id>_config.xml, <id>_t_stat.xml, <id>_Media_arch\, <id>_Media_temp\.
// Each operation leaves the list in memory and usr.txt in agreement: when it
// fails before usr.txt is saved, the list in memory is as it was.

// Writes AppDir\Users\<id>_config.xml with the default settings, crash-safely.
Status CreateDefaultConfig(const Installation& inst, qint32 id);

// Adds `user` (Figure in file form; Id from NewUserId) as the last line and saves
// the list, then writes the empty results file and the default settings file
// and creates the archive and temporary recording folders when missing.
// Refused, with nothing changed, when the Id is below 1 or already in the list or
// the line cannot be stored (UserLineProblem). When saving the list fails the
// line is taken out again and nothing else is done. A failure after that (a
// file or folder that cannot be written) is returned, but the profile stays: it
// is usable, and a missing settings file is recreated at login.
Status CreateProfile(const Installation& inst, UserList& list, const TUser& user);

// Puts `user` (Figure in file form) at `index` and saves the list. The line keeps
// the Id it had, since the learner's files are named by it. Refused, with
// nothing changed, for an index outside the list or a line that cannot be
// stored; when saving fails the old line is put back.
Status ReplaceProfile(const Installation& inst, UserList& list, qsizetype index, const TUser& user);

// Removes a folder with everything in it (files and subfolders; symbolic links
// are removed, not followed). A missing folder counts as removed; a file
// standing where the folder should be is removed. True when nothing is left.
bool RemoveFolderTree(const QString& path);

// Removes the profile at `index`, in this order:
//  1. the temporary and then the archive recording folder, with everything in
//     them. If either cannot be removed completely, the profile stays in the
//     list, usr.txt is not saved, both folders exist again (emptied as far as
//     removal got) and the failure names the folder;
//  2. the line, then usr.txt is saved; if that fails the line is put back, the
//     folders are created again and the failure is returned;
//  3. <id>_stat.xml, <id>_config.xml and the trainer statistics <id>_t_stat.xml
//     (Ids are given again, and a new learner must not inherit them); a
//     failed delete here is ignored.
// `removeTree` is RemoveFolderTree; tests pass one that fails.
Status RemoveProfile(const Installation& inst, UserList& list, qsizetype index,
                     const std::function<bool(const QString&)>& removeTree = RemoveFolderTree);
