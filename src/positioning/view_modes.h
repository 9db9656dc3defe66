// Which of X-Plane's views is showing.
#pragma once

bool is3DCockpit();
bool isFreeCamera();
