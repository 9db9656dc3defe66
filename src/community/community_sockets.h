// The sockets ftplib opens, found from outside ftplib. Its connection handle
// is opaque, and a worker blocked in one of its reads wakes only when the
// socket is shut down from another thread; a receive timeout would not help,
// ftplib reads again on EAGAIN. So a new socket is recognised by its ends
// (getpeername, getsockname) among the process's descriptors and kept as a
// duplicate descriptor: shutting the duplicate down shuts the socket down
// (shutdown acts on the socket, not on one descriptor of it), and a
// descriptor number that ftplib closed and the process reused meanwhile is
// never touched.
#pragma once

#include <netinet/in.h>

#include <chrono>

// One exchange at a time opens a connection to the community server, so that
// a new socket to the server is known to be the opener's: no other exchange
// of this process opens one meanwhile, and the sockets of those that did are
// claimed already. Waits at most that long for the turn; false without it.
bool beginSocketOpening(std::chrono::milliseconds wait);
void endSocketOpening();

// A duplicate of the process's one unclaimed TCP socket connected to peer
// (to its port as well when matchPort), now claimed; -1 when there is none,
// or more than one.
int claimSocketTo(const sockaddr_in& peer, bool matchPort);
// Gives a claimed socket up and closes the duplicate.
void releaseSocket(int duplicate);
// A socket of the plug-in's own to the server (a probe whether it answers)
// is never claimed: it is marked once made, and closed here.
void markOwnSocket(int descriptor);
void closeOwnSocket(int descriptor);
