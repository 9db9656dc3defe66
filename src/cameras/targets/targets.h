// The targets file "MyTargets/MyTargets.csv" in the plug-in's folder: a header
// line, then one "name,date,latitude,longitude,elevation" line per stored target.
#pragma once

#include <string>

std::string getTargetFilePath();
// Frees the stored targets and reads the file again; the near-target
// collection starts afresh. A missing file is created with the header alone;
// one that cannot be read, or holds a line that gave no target (too long, too
// short, invalid), is left alone, and is then never replaced by saveTargets.
void readTargets();
// One line's fields into a stored target; 0 for fewer than five fields or a
// position or number that is not valid.
int addTarget(char** fields, int count);
// Writes every stored target through a temporary file; 1 when written. 0 (with
// the log line and an "Error" box, both saying why) when it could not be, or
// when the file on disk was not read whole and would lose targets.
int saveTargets();
