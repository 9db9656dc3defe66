// What camera control found of the plug-ins it works with, and the "System
// Status" box that reports it.
#pragma once

// Element 1: HeadShake at camera control's start (9 found, 10 not); element
// 2: Scenic Flyer (11 found and enabled, 12 not found); 0 unknown.
int* getSystemStatus();
// Every element unknown again: the plug-in is enabled afresh.
void resetSystemStatus();
// Shows the "System Status" box.
void checkSystem();
