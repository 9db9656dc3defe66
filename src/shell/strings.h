// Small in-place routines for parsing the text files the plug-in reads.
#pragma once

#include <cstdint>
#include <string>

char* strupr(char* text);
char* replaceChar(char* text, char from, char to);
// Returns the first non-blank character; trailing white space is cut off.
char* trimWhiteSpace(char* text);
// Drops leading white space and shrinks runs of white space to their first character.
void strip_extra_spaces(char* text);
bool iswhitespace(char c);
// The text from the n-th word that follows white space on, or "" when there is none.
const char* findLastWhiteSpace(const char* text, int n);
int64_t hashString(const char* text);
std::string thousandSeparator(int number);
// Copies a path into a 2000-character buffer.
void fixPath(const char* source, char* destination);
