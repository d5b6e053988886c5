#pragma once
// placeholder, being written: date and time texts in the user's formats
