// What each named command does on its begin phase while camera control is on.
#pragma once

void runCommandAction(int index);
