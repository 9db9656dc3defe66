// The sharing record beside the aircraft's camera file ("Ovilux_NAME.shr"):
// when the file was last shared, the version it was shared as and the name
// it has on the community server, one line each. Uploads that may still be
// on the server although no share finished with them (one cancelled or cut
// off once the server had begun to take it) follow, one name a line, until a
// share removes them. A record without any is the three lines alone, the
// whole file a reader of three lines knows; such a reader passes over the
// names after them.
#pragma once

#include <string>
#include <vector>

// How many uploads left on the server the record names at most (the newest).
const size_t kMaxSharedLeftovers = 20;

struct SharedCameraInfo {
    int valid;  // 1 when the record could be opened
    char date[2000];
    char version[2000];
    char fileName[2000];
};

// The record's path into out (room for 2000); empty when there is no user
// aircraft. Returns out.
char* getSharedCameraFilePath(char* out);
// Any thread: replaces the record through a temporary file and a rename,
// naming the uploads left on the server (the last kMaxSharedLeftovers of
// them); false, the old record then left as it was, when it could not be
// written.
bool writeSharedCameraRecord(const std::string& path, const std::string& date,
                             const std::string& version, const std::string& remoteName,
                             const std::vector<std::string>& leftovers = {});
// The uploads left on the server that the record at path names: the plain
// file names after its third line.
std::vector<std::string> readSharedCameraLeftovers(const std::string& path);
// The record's first three lines as they stand in the file, line ends
// included, into *head ("" when there is no record); false when a record is
// there but cannot be read.
bool readSharedCameraRecordHead(const std::string& path, std::string* head);
// Names the uploads left on the server after head, which stays byte for
// byte; a head of fewer than three lines gets the line ends the names need
// to start on the fourth.
bool writeSharedCameraRecordAfterHead(const std::string& path, const std::string& head,
                                      const std::vector<std::string>& leftovers);
// Reads the record into the one static instance and returns it.
SharedCameraInfo* getSharedCameraInfo();
