# Skinned main window, splash, about box, CZTIni and skins (filled in by
# their own work).
