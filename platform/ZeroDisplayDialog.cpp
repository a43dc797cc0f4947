// placeholder: the zero-display dialog (Call_dlg100) lands here
