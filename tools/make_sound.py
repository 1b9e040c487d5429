#!/usr/bin/env python3
"""Writes data/WorkDir/sound.wav, the small WAV file the program ships in its WorkDir:
0.1 s of silence, 8000 Hz, 16-bit mono PCM, a 44-byte header with "data" at byte 36."""
import os
import wave

os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

with wave.open("data/WorkDir/sound.wav", "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(8000)
    out.writeframes(b"\0\0" * 800)
