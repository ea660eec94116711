' KovraDouble as a script sees it: made by its ProgID with no container, every property set and
' read back, every method called, and the control's errors caught with their numbers. Prints one
' line per failed check and ends with the number of failures as its exit code.
Option Explicit

Dim failures
failures = 0

Sub Check(what, actual, expected)
  If CStr(actual) <> CStr(expected) Then
    WScript.Echo "FAIL " & what & ": got """ & actual & """, expected """ & expected & """"
    failures = failures + 1
  End If
End Sub

' The error the last statement raised, then no error.
Sub CheckError(what, expected)
  If Err.Number <> expected Then
    WScript.Echo "FAIL " & what & ": error " & Err.Number & " (" & Err.Description & _
                 "), expected " & expected
    failures = failures + 1
  End If
  Err.Clear
End Sub

On Error Resume Next

Dim c
Set c = CreateObject("Kovra_Double.KovraDouble")
If Err.Number <> 0 Then
  WScript.Echo "FAIL creating Kovra_Double.KovraDouble: " & Err.Description
  WScript.Quit 1
End If

' A new control takes its defaults on first use.
Check "Value", c.Value, "0"
Check "default member", c, "0"
Check "DecimalPlaces", c.DecimalPlaces, 2
Check "MaxValue", c.MaxValue, 900000000000
Check "BackColor", Hex(c.BackColor), "80000005"
Check "Enabled", c.Enabled, True
Check "HideSelection", c.HideSelection, True
CheckError "reading the defaults", 0

c.BackColor = &HFF : Check "BackColor", c.BackColor, &HFF
c.ForeColor = &H80000012 : Check "ForeColor", c.ForeColor, &H80000012
c.Enabled = False : Check "Enabled", c.Enabled, False
c.Enabled = True : Check "Enabled", c.Enabled, True
c.Appearance = 1 : Check "Appearance", c.Appearance, 1
c.Alignment = 2 : Check "Alignment", c.Alignment, 2
c.LinkItem = "R1C1" : Check "LinkItem", c.LinkItem, "R1C1"
c.LinkMode = 0 : Check "LinkMode", c.LinkMode, 0
c.LinkTimeout = 30 : Check "LinkTimeout", c.LinkTimeout, 30
c.LinkTopic = "Sheet1" : Check "LinkTopic", c.LinkTopic, "Sheet1"
c.OLEDragMode = 1 : Check "OLEDragMode", c.OLEDragMode, 1
c.OLEDropMode = 2 : Check "OLEDropMode", c.OLEDropMode, 2
c.RightToLeft = True : Check "RightToLeft", c.RightToLeft, True
c.SelLength = 1 : Check "SelLength", c.SelLength, 1
c.SelStart = 2 : Check "SelStart", c.SelStart, 2
c.WinBorderWidth = 3 : Check "WinBorderWidth", c.WinBorderWidth, 3
c.WinBorderColor = &H123456 : Check "WinBorderColor", c.WinBorderColor, &H123456
c.WinBorderEffect = True : Check "WinBorderEffect", c.WinBorderEffect, True
c.WinBorderOverColor = &HFF00 : Check "WinBorderOverColor", c.WinBorderOverColor, &HFF00
c.FontOverEffect = True : Check "FontOverEffect", c.FontOverEffect, True
c.FontOverColor = &HFF : Check "FontOverColor", c.FontOverColor, &HFF
c.Border3DStyle = 6 : Check "Border3DStyle", c.Border3DStyle, 6
c.Edit3DOption = 1 : Check "Edit3DOption", c.Edit3DOption, 1
c.MaxValue = 5000.5 : Check "MaxValue", c.MaxValue, 5000.5
c.MinValue = -250.25 : Check "MinValue", c.MinValue, -250.25
c.DecimalPlaces = 3 : Check "DecimalPlaces", c.DecimalPlaces, 3
c.UseSeparator = True : Check "UseSeparator", c.UseSeparator, True
c.MousePointer = 99 : Check "MousePointer", c.MousePointer, 99
c.XPGetTheme = 1 : Check "XPGetTheme", c.XPGetTheme, 1
c.WinTheme = 2 : Check "WinTheme", c.WinTheme, 2
c.WinBorderColorOption = 1 : Check "WinBorderColorOption", c.WinBorderColorOption, 1
c.ButtonSpinMax = 90 : Check "ButtonSpinMax", c.ButtonSpinMax, 90
c.ButtonSpinMin = 10 : Check "ButtonSpinMin", c.ButtonSpinMin, 10
c.Value = "42.5" : Check "Value", c.Value, "42.5"
c.ButtonSpin = True : Check "ButtonSpin", c.ButtonSpin, True
c.ButtonSpinArrowColor = &HC0C0C0 : Check "ButtonSpinArrowColor", c.ButtonSpinArrowColor, &HC0C0C0
c.Edit3DColor = &H808080 : Check "Edit3DColor", c.Edit3DColor, &H808080
c.ButtonSpinIncrement = 0.5 : Check "ButtonSpinIncrement", c.ButtonSpinIncrement, 0.5
c.ButtonSpinEdit = 1 : Check "ButtonSpinEdit", c.ButtonSpinEdit, 1
c.Locked = True : Check "Locked", c.Locked, True
c.FontUnderline = True : Check "FontUnderline", c.FontUnderline, True
c.FontStrikethru = True : Check "FontStrikethru", c.FontStrikethru, True
c.FontSize = 12 : Check "FontSize", c.FontSize, 12
c.FontName = "Tahoma" : Check "FontName", c.FontName, "Tahoma"
c.FontItalic = True : Check "FontItalic", c.FontItalic, True
c.FontBold = False : Check "FontBold", c.FontBold, False
CheckError "setting and reading every property", 0
Check "Value after the spin range", c.Value, "42.5"
Check "default member", c, "42.5"

' The window handles: the inner EDIT and the control's own window.
Check "hWnd and chWnd differ", c.hWnd <> c.chWnd, True
Check "hWnd", c.hWnd <> 0, True

' The font is the standard font object, one for the control, changed in place.
Dim f
Set f = c.Font
Check "Font.Name", f.Name <> "", True
f.Bold = True
Check "FontBold after Font.Bold", c.FontBold, True
c.FontItalic = False
Check "Font.Italic after FontItalic", c.Font.Italic, False
Set c.Font = f
CheckError "Set Font", 0
Check "the same font object", c.Font Is f, True
Set c.MouseIcon = Nothing
CheckError "Set MouseIcon = Nothing", 0
Check "MouseIcon", c.MouseIcon Is Nothing, True

' Methods: the link partner never answers (282); the About box is answered by the test.
c.Refresh
CheckError "Refresh", 0
c.OLEDrag
CheckError "OLEDrag", 0
c.LinkExecute "[open]"
CheckError "LinkExecute", 282
c.LinkPoke
CheckError "LinkPoke", 282
c.LinkRequest
CheckError "LinkRequest", 282
c.LinkSend
CheckError "LinkSend", 282
c.Acerca
CheckError "Acerca", 0

' The control's errors, by number.
c.Value = "abc"
CheckError "Value = ""abc""", 13
c.Appearance = 70000
CheckError "Appearance = 70000", 6
c.hWnd = 1
CheckError "hWnd = 1", 383
c.LinkMode = 1
CheckError "LinkMode = 1", 282
Set c.Font = Nothing
CheckError "Set Font = Nothing", 380
c.NoSuchMember = 1
CheckError "an unknown member", 438
Check "Value after the refused ones", c.Value, "42.5"

' A refused value shows the invalid-value message (answered by the test) and is no error.
c.DecimalPlaces = -1
CheckError "DecimalPlaces = -1", 0
Check "DecimalPlaces after -1", c.DecimalPlaces, 3

' Coercions as scripts make them: a text into a number, a number into the text.
c.Locked = False
c.ButtonSpin = False
c.DecimalPlaces = "4"
Check "DecimalPlaces from a text", c.DecimalPlaces, 4
c.Value = 7.25
Check "Value from a number", c.Value, "7.25"
CheckError "coercions", 0

Set c = Nothing
WScript.Quit failures
