"""The update reminder's record, read and written from outside the program: the
date of the last reminder under the key "Duration", key and value in URL-safe
base64 without padding, in the [Settings] section of Palmora/palmora.ini in the
user's configuration folder (~/.config, or $XDG_CONFIG_HOME).

    python3 reminderrecord.py write CONFIG_FOLDER YYYY-MM-DD   (a record as of that day)
"""

import base64
import configparser
import os
import sys

KEY = "Duration"


def _encode(text):
    return base64.urlsafe_b64encode(text.encode()).decode().rstrip("=")


def _decode(text):
    return base64.urlsafe_b64decode(text + "=" * (-len(text) % 4)).decode()


def path(config):
    return os.path.join(config, "Palmora", "palmora.ini")


def read(config):
    """The date of the last reminder as stored, or None."""
    if not os.path.exists(path(config)):
        return None
    parser = configparser.ConfigParser()
    parser.optionxform = str
    parser.read(path(config))
    if not parser.has_section("Settings"):
        return None
    value = parser["Settings"].get(_encode(KEY))
    return None if value is None else _decode(value)


def write(config, date):
    """A record whose last reminder was on `date` (YYYY-MM-DD)."""
    os.makedirs(os.path.dirname(path(config)), exist_ok=True)
    with open(path(config), "w", encoding="ascii") as record:
        record.write("[Settings]\n%s=%s\n" % (_encode(KEY), _encode(date)))


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[1] != "write":
        sys.exit(__doc__)
    write(sys.argv[2], sys.argv[3])
